#include "platform/gfx/font_cached.h"

namespace vemra::gfx {

CachedFont::CachedFont(Metrics metrics, unsigned style)
    : face_(std::move(metrics.face)), lineHeight_(metrics.lineHeight), ascent_(metrics.ascent), style_(style) {}

const GlyphImage& CachedFont::glyph(char32_t code) const {
    auto it = glyphs_.find(code);
    if (it == glyphs_.end()) it = glyphs_.emplace(code, render(code)).first;
    return it->second;
}

int CachedFont::textWidth(std::string_view bytes) const {
    int width = 0;
    for (const char32_t code : decode(bytes)) width += glyph(code).advance;
    return width;
}

void CachedFont::drawGlyph(Bitmap& target, Rect clip, int x, int y, std::uint8_t code, Color color) const {
    const GlyphImage& g = glyph(code);
    paintGlyph(target, clip, x, y, g, color);
    paintStyleLines(target, clip, x, y, g.advance, ascent_, style_, color);
}

void CachedFont::drawText(Bitmap& target, Rect clip, int x, int y, std::string_view bytes, Color color) const {
    int pen = x;
    // Glyphs more than a line height outside the clip cannot reach into it: a line of a million
    // glyphs costs little more than its visible part.
    const int before = clip.left - lineHeight_, beyond = clip.right() + lineHeight_;
    for (const char32_t code : decode(bytes)) {
        if (pen > beyond) break;
        const GlyphImage& g = glyph(code);
        if (pen + g.advance >= before) paintGlyph(target, clip, pen, y, g, color);
        pen += g.advance;
    }
    paintStyleLines(target, clip, x, y, pen - x, ascent_, style_, color);
}

}  // namespace vemra::gfx
