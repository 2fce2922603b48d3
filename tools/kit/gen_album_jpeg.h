#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// The bitmap as a baseline JFIF file (libjpeg's defaults at the given quality), the same bytes on
// every run. Throws std::runtime_error when the encoder fails.
std::vector<std::uint8_t> encodeJpeg(const gfx::Bitmap& bitmap, int quality = 90);

}  // namespace vemra::kit
