#pragma once

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// The 256 colours the kit's 256-colour pictures are drawn in: the 6 × 6 × 6 cube of the channel
// levels 0, 51, …, 255 and the 40 greys 8, 14, …, 242 between the cube's greys.

// The palette colour nearest to `c` (Euclidean distance in RGB); a palette colour maps to itself.
gfx::Color nearestKitColour(gfx::Color c);

// The bitmap with every pixel replaced by its nearest palette colour.
gfx::Bitmap inKitPalette(gfx::Bitmap bitmap);

}  // namespace vemra::kit
