#pragma once

#include <string_view>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// Persian text, shaped by the kit, in the demo's display face "Read01 Naske", centred in `box` at
// the largest of the face's character heights up to `maxHeight` at which it fits. Draws nothing
// and returns false when it does not fit even at the smallest.
bool drawPersianCentred(gfx::Bitmap& bitmap, gfx::Rect box, std::string_view utf8, int maxHeight, gfx::Color colour);

// The width and line height of the text at one of the face's character heights.
gfx::Size persianSize(std::string_view utf8, int height);

}  // namespace vemra::kit
