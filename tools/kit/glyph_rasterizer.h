#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "kit/fnt_font.h"
#include "platform/gfx/font_freetype.h"

namespace vemra::kit {

// A face of the display fonts and the outline fonts its glyph pictures come from.
struct FaceRecipe {
    std::string name;
    int weight = 400;
    std::vector<std::filesystem::path> sources;  // tried in order for every picture
};

// Draws the code table's glyphs from outline fonts into monochrome bitmap faces. A face is made for
// a character height: the outline em is chosen so that every glyph of the first source, marks
// included, fits the top rows of that height, and the cell is taller by the internal leading the
// header declares (about a sixteenth), left empty below the ink, so that lines set at the character
// height's pitch never cut into each other; advances come from the fonts, so
// that joined forms touch. Marks are centred over a letter of average width that starts at their
// left edge, and codes without a letter show an empty box.
class GlyphRasterizer {
public:
    // Throws std::runtime_error when a source cannot be opened or no source has a picture.
    explicit GlyphRasterizer(FaceRecipe recipe);

    BitmapFace face(int characterHeight) const;

private:
    struct Picture {
        std::size_t source = 0;
        unsigned index = 0;  // glyph index in that source
    };

    GlyphBitmap render(const Picture& picture, double emPixels, int height, int ascent, bool mark, int markBase) const;
    int advance(const Picture& picture, double emPixels) const;

    FaceRecipe recipe_;
    gfx::FreeTypePtr freetype_;
    std::vector<gfx::FacePtr> sources_;
    std::array<std::optional<Picture>, 256> pictures_;  // by code; none for unassigned codes
    Picture markBase_;               // the letter marks are centred over
    long top_ = 0, bottom_ = 0;      // extent of all glyphs of the first source, font units
};

}  // namespace vemra::kit
