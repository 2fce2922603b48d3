#pragma once

#include <string_view>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// A subject for picture `number` (1, 2, …): "Garden", "River", … in turn.
std::string_view landscapeTitle(int number);

// A painted landscape in full colour: a sky whose time of day changes with the number, a sun or
// moon, three ranges of hills, the number on a round badge at the top left and `caption` on a band
// along the bottom.
gfx::Bitmap landscapePicture(gfx::Size size, int number, std::string_view caption);

}  // namespace vemra::kit
