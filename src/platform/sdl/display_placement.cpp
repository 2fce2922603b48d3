#include "platform/sdl/display_placement.h"

#include "platform/sdl/sdl_backend.h"

namespace vemra::sdl {

DisplayPlacement placeDisplay(gfx::Size logical, gfx::Size window) {
    const int scale = largestWholeScale(logical, window);
    return {.origin = {(window.width - logical.width * scale) / 2, (window.height - logical.height * scale) / 2},
            .scale = scale};
}

}  // namespace vemra::sdl
