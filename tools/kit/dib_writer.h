#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// A bitmap as a packed DIB (info header, colour table, bottom-up rows), the form bitmap resources
// take: 8 bits a pixel with a palette of its colours when it has at most 256, else 24 bits.
std::vector<std::uint8_t> packedDib(const gfx::Bitmap& bitmap);

}  // namespace vemra::kit
