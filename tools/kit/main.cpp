#include <cstring>
#include <filesystem>
#include <vector>
#include <exception>
#include <iostream>

#include "kit/contact_sheet.h"
#include "kit/demo.h"
#include "kit/glyph_sheet.h"

namespace {

int usage() {
    std::cerr << "usage: vemra-kit demo OUT_DIR       write the demo content tree\n"
                 "       vemra-kit glyph-sheet FILE.png  draw every glyph code and sample lines\n"
                 "       vemra-kit contact-sheet FILE.png SHOT.png...  draw screenshots small, labelled\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    try {
        if (std::strcmp(argv[1], "contact-sheet") == 0) {
            const std::vector<std::filesystem::path> shots(argv + 3, argv + argc);
            vemra::kit::writeContactSheet(argv[2], shots);
        } else if (argc != 3) {
            return usage();
        } else if (std::strcmp(argv[1], "demo") == 0) {
            vemra::kit::writeDemo(argv[2], [](std::string_view step) { std::cout << step << '\n'; });
        } else if (std::strcmp(argv[1], "glyph-sheet") == 0) {
            vemra::kit::writeGlyphSheet(argv[2]);
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::cerr << "vemra-kit: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
