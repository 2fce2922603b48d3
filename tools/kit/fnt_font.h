#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vemra::kit {

// One glyph of a bitmap font: its cell is `width` pixels wide (its advance) and as tall as the font.
struct GlyphBitmap {
    int width = 1;
    std::vector<std::uint8_t> ink;  // row by row, `width` bytes a row, 1 for ink

    friend bool operator<(const GlyphBitmap& a, const GlyphBitmap& b) {
        return a.width != b.width ? a.width < b.width : a.ink < b.ink;
    }
};

// A bitmap face at one size, as a Windows FNT resource describes it.
struct BitmapFace {
    std::string name;
    std::string copyright;
    int pixelHeight = 0;      // the character cell
    int ascent = 0;           // baseline from the top of the cell
    int internalLeading = 0;  // room for marks at the top of the cell; the rest is the character height
    int weight = 400;
    std::uint8_t charset = 0;
    std::uint8_t firstChar = 0;
    std::uint8_t defaultChar = 0;  // shown for codes outside the font
    std::uint8_t breakChar = 32;
    std::vector<GlyphBitmap> glyphs;  // codes firstChar, firstChar + 1, …
};

// The nominal point size the FNT header and the module description give a face at 96 dots per inch,
// rounded so that a reader (FreeType's y_ppem) gets back the character height.
int nominalPointSize(const BitmapFace& face);

// The FNT resource of a face: version 2 when its glyph offsets fit 16 bits, else version 3.
// Identical glyphs share their bitmap. Throws std::invalid_argument for a face it cannot encode.
std::vector<std::uint8_t> fntResource(const BitmapFace& face);

}  // namespace vemra::kit
