#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// A bitmap as a ".bmp" file: the file header and the packed DIB, rows bottom-up. A bitmap of at
// most 256 colours (one drawn in the kit palette) is stored with 8 bits a pixel and a colour table
// of its colours, any other with 24 bits a pixel.
std::vector<std::uint8_t> bmpFile(const gfx::Bitmap& bitmap);

// Writes bmpFile(bitmap), creating the file's directory when needed.
void writeBmp(const std::filesystem::path& file, const gfx::Bitmap& bitmap);

}  // namespace vemra::kit
