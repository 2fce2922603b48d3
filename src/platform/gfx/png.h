#pragma once

#include <filesystem>

#include "platform/gfx/bitmap.h"

namespace vemra::gfx {

// Writes a bitmap as an RGB PNG file; throws std::runtime_error when the file can't be written.
void writePng(const Bitmap& bitmap, const std::filesystem::path& file);
// Reads a PNG file (any colour type) into a bitmap; throws std::runtime_error on failure.
Bitmap readPng(const std::filesystem::path& file);

}  // namespace vemra::gfx
