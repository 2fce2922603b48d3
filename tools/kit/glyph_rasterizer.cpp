#include "kit/glyph_rasterizer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "kit/code_table.h"

namespace vemra::kit {

namespace {

// Hinted for monochrome: stems snap to whole pixels, and the rasterizer keeps thin strokes.
constexpr FT_Int32 loadFlags = FT_LOAD_TARGET_MONO;

constexpr std::uint8_t unassignedCode = 0;  // the box shown for codes outside the table
constexpr char32_t averageLetter = 0xFE92;  // medial beh
constexpr double boxWidthEm = 0.5, boxHeightEm = 0.6;

// Glyph extent in font units: top above the baseline and bottom (negative below it).
std::pair<long, long> extent(FT_Face face, unsigned index) {
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) != 0) return {0, 0};
    const FT_Glyph_Metrics& m = face->glyph->metrics;
    return {m.horiBearingY, m.horiBearingY - m.height};
}

GlyphBitmap box(double emPixels, int height, int ascent) {
    GlyphBitmap glyph;
    glyph.width = std::max(3, int(std::lround(emPixels * boxWidthEm)));
    glyph.ink.assign(std::size_t(glyph.width * height), 0);
    const int top = std::max(0, ascent - int(std::lround(emPixels * boxHeightEm))), bottom = ascent - 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = 1; x < glyph.width - 1; ++x)
            if (y == top || y == bottom || x == 1 || x == glyph.width - 2)
                glyph.ink[std::size_t(y * glyph.width + x)] = 1;
    return glyph;
}

}  // namespace

GlyphRasterizer::GlyphRasterizer(FaceRecipe recipe) : recipe_(std::move(recipe)), freetype_(gfx::openFreeType()) {
    for (const auto& file : recipe_.sources) {
        auto face = gfx::openFace(freetype_, file, 0);
        if (!face) throw std::runtime_error("cannot open font " + file.string() + " (scripts/install-deps installs it)");
        sources_.push_back(std::move(face));
    }
    if (sources_.empty()) throw std::runtime_error("face " + recipe_.name + " has no source font");

    const auto find = [&](char32_t c) -> std::optional<Picture> {
        for (std::size_t s = 0; s < sources_.size(); ++s)
            if (const FT_UInt index = FT_Get_Char_Index(sources_[s].get(), c)) return Picture{s, index};
        return std::nullopt;
    };
    for (int code = 0; code < 256; ++code) {
        const CodeGlyph& glyph = glyphForCode(std::uint8_t(code));
        if (!glyph.picture) continue;
        pictures_[std::size_t(code)] = find(glyph.picture);
        if (!pictures_[std::size_t(code)]) pictures_[std::size_t(code)] = find(glyph.character);
        const auto& picture = pictures_[std::size_t(code)];
        if (!picture) throw std::runtime_error("no source font of " + recipe_.name + " draws glyph code " + std::to_string(code));
        if (picture->source != 0) continue;
        const auto [top, bottom] = extent(sources_[0].get(), picture->index);
        top_ = std::max(top_, top);
        bottom_ = std::min(bottom_, bottom);
    }
    const auto base = find(averageLetter);
    if (!base) throw std::runtime_error("no source font of " + recipe_.name + " has a medial beh");
    markBase_ = *base;
}

int GlyphRasterizer::advance(const Picture& picture, double emPixels) const {
    FT_Face face = sources_[picture.source].get();
    FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(emPixels * 64)), 72, 72);
    if (FT_Load_Glyph(face, picture.index, loadFlags) != 0) return 0;
    return int((face->glyph->advance.x + 32) >> 6);
}

GlyphBitmap GlyphRasterizer::render(const Picture& picture, double emPixels, int height, int ascent, bool mark,
                                    int markBase) const {
    FT_Face face = sources_[picture.source].get();
    FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(emPixels * 64)), 72, 72);
    if (FT_Load_Glyph(face, picture.index, loadFlags) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0)
        throw std::runtime_error("cannot render a glyph of " + recipe_.name);
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    const auto covered = [&](int row, int column) {
        return (bitmap.buffer[std::ptrdiff_t(row) * bitmap.pitch + column / 8] & (0x80 >> (column % 8))) != 0;
    };

    int shift = face->glyph->bitmap_left;
    GlyphBitmap glyph;
    glyph.width = int((face->glyph->advance.x + 32) >> 6);
    if (mark) {
        // A mark has no advance of its own: its cell holds its ink, placed over an average letter.
        int first = int(bitmap.width), last = -1;
        for (int row = 0; row < int(bitmap.rows); ++row)
            for (int column = 0; column < int(bitmap.width); ++column)
                if (covered(row, column)) first = std::min(first, column), last = std::max(last, column);
        const int inkWidth = std::max(0, last - first + 1);
        const int offset = std::max(0, (markBase - inkWidth) / 2);
        shift = offset - first;
        glyph.width = offset + inkWidth;
    }
    glyph.width = std::max(1, glyph.width);
    glyph.ink.assign(std::size_t(glyph.width * height), 0);
    for (int row = 0; row < int(bitmap.rows); ++row) {
        const int y = ascent - face->glyph->bitmap_top + row;
        if (y < 0 || y >= height) continue;
        for (int column = 0; column < int(bitmap.width); ++column) {
            const int x = shift + column;
            if (x >= 0 && x < glyph.width && covered(row, column)) glyph.ink[std::size_t(y * glyph.width + x)] = 1;
        }
    }
    return glyph;
}

BitmapFace GlyphRasterizer::face(int characterHeight) const {
    const FT_Face primary = sources_[0].get();
    const double emPixels = double(characterHeight) * primary->units_per_EM / double(top_ - bottom_);
    const int internalLeading = std::max(1, int(std::lround(characterHeight / 16.0)));
    const int pixelHeight = characterHeight + internalLeading;
    const int ascent = std::min(characterHeight, int(std::lround(double(top_) * emPixels / primary->units_per_EM)));
    const int markBase = advance(markBase_, emPixels);

    BitmapFace face;
    face.name = recipe_.name;
    face.copyright = "Demo content, drawn from free fonts";
    face.pixelHeight = pixelHeight;
    face.ascent = ascent;
    face.internalLeading = internalLeading;
    face.weight = recipe_.weight;
    face.charset = 184;
    face.firstChar = 0;
    face.defaultChar = unassignedCode;
    face.breakChar = ' ';
    for (int code = 0; code < 256; ++code) {
        const auto& picture = pictures_[std::size_t(code)];
        face.glyphs.push_back(picture ? render(*picture, emPixels, pixelHeight, ascent,
                                               glyphForCode(std::uint8_t(code)).zeroAdvance, markBase)
                                      : box(emPixels, pixelHeight, ascent));
    }
    return face;
}

}  // namespace vemra::kit
