#include <cstring>
#include <exception>
#include <iostream>

#include "kit/demo.h"
#include "kit/fuzz_seeds.h"
#include "kit/glyph_sheet.h"

namespace {

int usage() {
    std::cerr << "usage: vemra-kit demo OUT_DIR       write the demo content tree\n"
                 "       vemra-kit glyph-sheet FILE.png  draw every glyph code and sample lines\n"
                 "       vemra-kit fuzz-seeds DIR        write the seeds of the file-reading fuzz targets\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    try {
        if (std::strcmp(argv[1], "demo") == 0) {
            vemra::kit::writeDemo(argv[2], [](std::string_view step) { std::cout << step << '\n'; });
        } else if (std::strcmp(argv[1], "glyph-sheet") == 0) {
            vemra::kit::writeGlyphSheet(argv[2]);
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
