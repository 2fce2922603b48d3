#pragma once

#include <filesystem>

namespace vemra::kit {

// Draws all 256 codes of "Read01 Naske" at 32 pixels, each right-aligned in a numbered cell (a mark
// over a tatweel), and shaped Persian sentences below them, into a PNG file.
void writeGlyphSheet(const std::filesystem::path& png);

}  // namespace vemra::kit
