#include "platform/gfx/font_bitmap.h"

namespace vemra::gfx {

namespace {

CachedFont::Metrics prepare(FT_Face face) {
    FT_Select_Size(face, 0);
    // An FNT face's one charmap has no encoding, so FreeType leaves it unselected and every code
    // would map to glyph 0; through it, codes are the font's own bytes.
    if (face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    return {face->family_name ? face->family_name : "", face->available_sizes[0].height,
            int(face->size->metrics.ascender >> 6)};
}

}  // namespace

BitmapFont::BitmapFont(FacePtr face, unsigned style)
    : CachedFont(prepare(face.get()), style), face_(std::move(face)), bold_(style & styleBold) {}

std::u32string BitmapFont::decode(std::string_view bytes) const {
    std::u32string codes(bytes.size(), 0);
    for (std::size_t i = 0; i < bytes.size(); ++i) codes[i] = std::uint8_t(bytes[i]);
    return codes;
}

GlyphImage BitmapFont::render(char32_t code) const {
    // Codes outside the font's range get index 0, which FreeType loads as the font's default char.
    const FT_UInt index = FT_Get_Char_Index(face_.get(), code);
    if (FT_Load_Glyph(face_.get(), index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return {};
    const GlyphImage glyph = glyphFromSlot(*face_->glyph, ascent());
    return bold_ ? doubleStruck(glyph) : glyph;
}

}  // namespace vemra::gfx
