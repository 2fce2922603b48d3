#pragma once

#include "platform/gfx/geometry.h"

namespace vemra::sdl {

// Where the logical display lies in the window: enlarged by a whole factor and centred, black around.
struct DisplayPlacement {
    gfx::Point origin;
    int scale = 1;

    gfx::Rect toWindow(gfx::Rect logical) const {
        return {origin.x + logical.left * scale, origin.y + logical.top * scale, logical.width * scale,
                logical.height * scale};
    }
    // The logical pixel under a window pixel (outside the picture it lies outside the display).
    gfx::Point toLogical(int x, int y) const { return {floorDiv(x - origin.x), floorDiv(y - origin.y)}; }

private:
    int floorDiv(int v) const { return v >= 0 ? v / scale : -((-v + scale - 1) / scale); }
};

// The largest whole factor that fits `window`, centred.
DisplayPlacement placeDisplay(gfx::Size logical, gfx::Size window);

}  // namespace vemra::sdl
