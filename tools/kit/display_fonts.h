#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "kit/glyph_rasterizer.h"

namespace vemra::kit {

// Every character height that a screen asks a display face for.
inline constexpr int displayFontHeights[] = {16, 19, 27, 29, 32, 35, 40};

struct DisplayFontFile {
    std::string_view file;
    std::string_view module;
    FaceRecipe face;
};

// read01.fon holds "Read01 Naske", read02.fon "msread", Serife.fon a bold face "Serife"; each at
// every height of displayFontHeights.
std::vector<DisplayFontFile> displayFontFiles();

// Writes one font file, or all three, into `directory`.
void writeDisplayFont(const DisplayFontFile& file, const std::filesystem::path& directory);
void writeDisplayFonts(const std::filesystem::path& directory);

}  // namespace vemra::kit
