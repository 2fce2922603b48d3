#pragma once

#include <filesystem>

#include "platform/gfx/geometry.h"

namespace vemra::kit {

// The size of gallery picture `number`: sizes that fit between a gallery's corner animation and
// its lists (the picture shows at its own size), wide, square and tall in turn.
gfx::Size galleryPictureSize(int number);

// "data3\" + ("0" below 10) + number + ".bmp".
std::filesystem::path galleryPicturePath(const std::filesystem::path& root, int number);

// Writes gallery pictures 1 … galleryPictureCount, full-colour bitmaps that show their number and
// a title.
void writeGalleryPictures(const std::filesystem::path& root);

}  // namespace vemra::kit
