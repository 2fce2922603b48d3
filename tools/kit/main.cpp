#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>
#include <exception>
#include <iostream>

#include "kit/contact_sheet.h"
#include "kit/demo.h"
#include "kit/disc_image_writer.h"
#include "kit/fuzz_seeds.h"
#include "kit/glyph_sheet.h"
#include "kit/icon.h"
#include "kit/module_scripts.h"
#include "kit/period_formats.h"

namespace {

int usage() {
    std::cerr << "usage: vemra-kit demo OUT_DIR                 write the demo content tree\n"
                 "       vemra-kit demo --period-formats OUT_DIR   the same in the media and bitmap formats of the time\n"
                 "       vemra-kit iso TREE OUT.iso            a disc image of a content tree (its own names)\n"
                 "       vemra-kit old-disc TREE OUT.iso       the same with upper-case 8.3 names and \";1\"\n"
                 "       vemra-kit icon FILE.png [SIZE]        draw the program's icon, SIZE pixels square (256)\n"
                 "       vemra-kit glyph-sheet FILE.png        draw every glyph code and sample lines\n"
                 "       vemra-kit contact-sheet FILE.png SHOT.png...  draw screenshots small, labelled\n"
                 "       vemra-kit module-scripts DIR          the picture modules as resource scripts (windres)\n"
                 "       vemra-kit fuzz-seeds DIR              write the seeds of the file-reading fuzz targets\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    try {
        const bool image = std::strcmp(argv[1], "iso") == 0 || std::strcmp(argv[1], "old-disc") == 0;
        if (std::strcmp(argv[1], "icon") == 0 && argc <= 4) {
            vemra::kit::writeIcon(argv[2], argc == 4 ? std::atoi(argv[3]) : 256);
        } else if (std::strcmp(argv[1], "demo") == 0 && argc == 4 && std::strcmp(argv[2], "--period-formats") == 0) {
            vemra::kit::writeDemo(argv[3], [](std::string_view step) { std::cout << step << '\n'; });
            std::cout << "formats of the time\n";
            vemra::kit::convertToPeriodFormats(argv[3]);
        } else if (std::strcmp(argv[1], "contact-sheet") == 0) {
            const std::vector<std::filesystem::path> shots(argv + 3, argv + argc);
            vemra::kit::writeContactSheet(argv[2], shots);
        } else if (argc != (image ? 4 : 3)) {
            return usage();
        } else if (image) {
            vemra::kit::writeDiscImage(argv[2], argv[3], std::strcmp(argv[1], "iso") == 0
                                                             ? vemra::kit::DiscNames::asInTree
                                                             : vemra::kit::DiscNames::oldDisc);
        } else if (std::strcmp(argv[1], "demo") == 0) {
            vemra::kit::writeDemo(argv[2], [](std::string_view step) { std::cout << step << '\n'; });
        } else if (std::strcmp(argv[1], "glyph-sheet") == 0) {
            vemra::kit::writeGlyphSheet(argv[2]);
        } else if (std::strcmp(argv[1], "module-scripts") == 0) {
            vemra::kit::writeModuleScripts(argv[2]);
        } else if (std::strcmp(argv[1], "fuzz-seeds") == 0) {
            vemra::kit::writeFuzzSeeds(argv[2]);
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::cerr << "vemra-kit: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
