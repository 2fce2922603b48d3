#pragma once

#include <cstdint>
#include <span>

#include "platform/gfx/bitmap.h"

namespace vemra::gfx {

// The largest width or height of a JPEG picture that is decoded.
inline constexpr int maxJpegSide = 4096;

// A JPEG picture (baseline or progressive, grey or colour) decoded from memory at full size.
// Input that is not a JPEG picture, ends before the picture does, or is larger than maxJpegSide on
// either side throws win::FormatError; nothing is read outside the input.
Bitmap decodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace vemra::gfx
