#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "kit/fnt_font.h"

namespace vemra::kit {

// A Windows font resource file (.fon): a 16-bit NE module holding the font directory and one FONT
// resource (numbered from 1) per face and size. `moduleName` is the module's resident name.
std::vector<std::uint8_t> fonFile(std::string_view moduleName, std::span<const BitmapFace> faces);
void writeFonFile(const std::filesystem::path& file, std::string_view moduleName, std::span<const BitmapFace> faces);

}  // namespace vemra::kit
