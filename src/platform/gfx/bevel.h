#pragma once

#include "platform/gfx/bitmap.h"

namespace vemra::gfx {

enum class Bevel { none, raised, lowered };

// A one-pixel 3-D edge around r (raised: light top-left, dark bottom-right), written inside clip.
void drawBevel(Bitmap& target, Rect r, Rect clip, Bevel bevel);
// The two-pixel sunken edge of an input field or list.
void drawSunkenEdge(Bitmap& target, Rect r, Rect clip);

}  // namespace vemra::gfx
