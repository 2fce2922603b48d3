#pragma once

#include <filesystem>

#include "kit/pe_writer.h"
#include "platform/gfx/geometry.h"

namespace vemra::kit {

// The size of album picture `number`: in turn 300 × 200, 600 × 500 (larger than the picture area,
// which cuts it), the picture area's own 481 × 397, 400 × 300, 240 × 320 and 460 × 260.
gfx::Size albumPictureSize(int number);

// "qem002.dat": album pictures 1 … albumPictureCount, each a JPEG file in the resource "AK<n>" of
// type "JPG" and its byte count in decimal as entry n of the string table.
ResourceModuleWriter albumModule();

// Writes the album module into data3.
void writeAlbumModule(const std::filesystem::path& root);

}  // namespace vemra::kit
