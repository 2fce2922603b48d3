#pragma once

#include <cstdint>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/gfx/bitmap.h"

namespace vemra::gfx {

// A rendered glyph: coverage 0..255 per pixel, placed relative to the top-left of its line cell.
struct GlyphImage {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int advance = 0;
    std::vector<std::uint8_t> coverage;
};

// Copies the glyph FreeType has just rendered into `slot`; `ascent` places its baseline in the cell.
GlyphImage glyphFromSlot(const FT_GlyphSlotRec& slot, int ascent);
// Bold the way a bitmap font gets it: the glyph twice, one pixel apart, one pixel wider.
GlyphImage doubleStruck(const GlyphImage& glyph);
// Paints the glyph with its cell at (x, y): full coverage writes the colour, partial blends it.
void paintGlyph(Bitmap& target, Rect clip, int x, int y, const GlyphImage& glyph, Color color);
// The underline and strike-out lines of `style` under a run `width` pixels wide whose cell is at (x, y).
void paintStyleLines(Bitmap& target, Rect clip, int x, int y, int width, int ascent, unsigned style, Color color);

}  // namespace vemra::gfx
