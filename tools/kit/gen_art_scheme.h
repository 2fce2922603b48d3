#pragma once

#include "kit/gen_art_paint.h"
#include "platform/gfx/color.h"

namespace vemra::kit {

// The colours and texture of one window's pictures, the colours all kit palette colours. Every
// window has a hue and texture of its own, so that screens are told apart at a glance.
struct ArtScheme {
    Grain texture;
    gfx::Color ground, grain, frame;  // the textured window background and its edge
    gfx::Color title;                 // the window's name written on its background
    gfx::Color panel, edge, ink;      // a hotspot at rest: fill, frame, text
    gfx::Color lit, litEdge, litInk;  // a hotspot lit or pressed
    gfx::Color calm, calmEdge;        // areas that text, lists and pictures are drawn over
};

// The scheme of the given hue (degrees, any integer) and texture.
ArtScheme artScheme(int hue, Grain texture);

// A colour of the given hue (degrees), saturation and value (0 … 1), snapped to the kit palette.
gfx::Color kitColour(int hue, double saturation, double value);

}  // namespace vemra::kit
