#pragma once

#include <string>
#include <vector>

#include "kit/gen_art_layout.h"
#include "kit/gen_art_scheme.h"
#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// Everything one scene shows: a window's or panel's client area with its hotspots and calm areas.
struct SceneSpec {
    gfx::Rect area;             // the part of the surface drawn, in surface coordinates
    gfx::Rect client;           // the window's or panel's client area, or the overlay picture's rectangle
    bool windowGround = false;  // a window: textured ground and a title; else a framed panel
    std::vector<SceneElement> elements;
    std::vector<gfx::Rect> obstacles;  // what the title keeps clear of
    gfx::Rect cornerAnimation;         // where the corner animation plays: hotspot words avoid it
    std::string title, caption;
    std::string window;  // the window the scene belongs to: its hotspots are named for what they open
};

// The scene with every hotspot at rest (lit = false) or lit. The two differ only inside hotspots.
gfx::Bitmap paintScene(const SceneSpec& request, const ArtScheme& scheme, bool lit);

}  // namespace vemra::kit
