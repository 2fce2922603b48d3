#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/bitmap.h"

// Drawing tools of the kit's pictures. Everything is clipped to the bitmap; shapes have hard edges,
// so that pictures drawn in palette colours stay in them.
namespace vemra::kit {

struct PointF {
    double x = 0;
    double y = 0;
};

// A frame of `thickness` pixels just inside r.
void frameRect(gfx::Bitmap& bitmap, gfx::Rect r, int thickness, gfx::Color colour);
// A raised 3-D edge of two pixels just inside r.
void raisedEdge(gfx::Bitmap& bitmap, gfx::Rect r, gfx::Color light, gfx::Color dark);
// The texture of a background: one-pixel lines, rising or falling to the right or level, or a
// sparse grid of dots, in r.
enum class Grain { rising, falling, level, dots };
void paintGrain(gfx::Bitmap& bitmap, gfx::Rect r, Grain grain, gfx::Color colour);
// The pixels whose centres lie inside the polygon (even-odd rule).
void fillPolygon(gfx::Bitmap& bitmap, std::span<const PointF> corners, gfx::Color colour);
// The pixels whose centres lie between the two radii.
void fillRing(gfx::Bitmap& bitmap, PointF centre, double outer, double inner, gfx::Color colour);

// The picture `factor` times smaller, each pixel the average of the block it stands for (the
// remainder of a side that is no whole block is left out).
gfx::Bitmap shrunk(const gfx::Bitmap& bitmap, int factor);

// The signs drawn on transport buttons and line arrows.
enum class Symbol { up, down, play, pause, first, last, back, forward };
// The symbol centred in box, as large as the box allows.
void drawSymbol(gfx::Bitmap& bitmap, gfx::Rect box, Symbol symbol, gfx::Color colour);

// Lines of Latin text in the kit's sans-serif face, centred in box one above the other, at the
// largest character height up to maxHeight at which all of them fit (at least 7 pixels). Draws
// nothing and returns false when they do not fit even then.
bool drawCentredLines(gfx::Bitmap& bitmap, gfx::Rect box, std::span<const std::string> lines, int maxHeight,
                      gfx::Color colour, bool bold = false);
bool drawCentredText(gfx::Bitmap& bitmap, gfx::Rect box, std::string_view text, int maxHeight, gfx::Color colour,
                     bool bold = false);
// The width and line height of one line of that text at that character height.
gfx::Size textSize(std::string_view text, int height, bool bold = false);
// One line of text with its cell's top left corner at `at`.
void drawText(gfx::Bitmap& bitmap, gfx::Point at, std::string_view text, int height, gfx::Color colour,
              bool bold = false);

}  // namespace vemra::kit
