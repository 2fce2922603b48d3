#include "platform/gfx/font_truetype.h"

#include <algorithm>

#include FT_SYNTHESIS_H

#include "platform/gfx/font_text_decoding.h"

namespace vemra::gfx {

namespace {

CachedFont::Metrics prepare(FT_Face face, int height) {
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::max(1, height)));
    const FT_Size_Metrics& m = face->size->metrics;
    const int ascent = int((m.ascender + 63) >> 6);
    const int descent = int((-m.descender + 63) >> 6);
    return {face->family_name ? face->family_name : "", ascent + descent, ascent};
}

}  // namespace

TrueTypeFont::TrueTypeFont(FacePtr face, int height, unsigned style)
    : CachedFont(prepare(face.get(), height), style), face_(std::move(face)),
      emboldenSlot_((style & styleBold) && !(face_->style_flags & FT_STYLE_FLAG_BOLD)),
      slantSlot_((style & styleItalic) && !(face_->style_flags & FT_STYLE_FLAG_ITALIC)) {}

std::u32string TrueTypeFont::decode(std::string_view bytes) const { return decodeUtf8OrLatin1(bytes); }

GlyphImage TrueTypeFont::render(char32_t code) const {
    const FT_GlyphSlot slot = face_->glyph;
    if (FT_Load_Char(face_.get(), code, FT_LOAD_DEFAULT) != 0) return {};
    if (emboldenSlot_) FT_GlyphSlot_Embolden(slot);
    if (slantSlot_) FT_GlyphSlot_Oblique(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return {};
    return glyphFromSlot(*slot, ascent());
}

}  // namespace vemra::gfx
