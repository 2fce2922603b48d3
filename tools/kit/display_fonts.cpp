#include "kit/display_fonts.h"

#include "kit/fon_writer.h"

namespace vemra::kit {

namespace {

const std::filesystem::path naskh = "/usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf";
const std::filesystem::path naskhBold = "/usr/share/fonts/truetype/noto/NotoNaskhArabic-Bold.ttf";
// For the punctuation the Naskh font leaves out.
const std::filesystem::path sans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::filesystem::path sansBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

}  // namespace

std::vector<DisplayFontFile> displayFontFiles() {
    return {
        {"read01.fon", "READ01", {"Read01 Naske", 400, {naskh, sans}}},
        {"read02.fon", "READ02", {"msread", 400, {naskh, sans}}},
        {"Serife.fon", "SERIFE", {"Serife", 700, {naskhBold, sansBold}}},
    };
}

void writeDisplayFont(const DisplayFontFile& file, const std::filesystem::path& directory) {
    const GlyphRasterizer rasterizer(file.face);
    std::vector<BitmapFace> sizes;
    for (const int height : displayFontHeights) sizes.push_back(rasterizer.face(height));
    writeFonFile(directory / file.file, file.module, sizes);
}

void writeDisplayFonts(const std::filesystem::path& directory) {
    for (const DisplayFontFile& file : displayFontFiles()) writeDisplayFont(file, directory);
}

}  // namespace vemra::kit
