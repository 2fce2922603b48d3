#pragma once

#include <string>
#include <unordered_map>

#include "platform/gfx/font.h"
#include "platform/gfx/font_glyph.h"

namespace vemra::gfx {

// A font that renders each character once and keeps the image; subclasses say how bytes map to
// characters and how a character is rendered.
class CachedFont : public Font {
public:
    struct Metrics {
        std::string face;
        int lineHeight = 0;
        int ascent = 0;
    };

    std::string faceName() const override { return face_; }
    int lineHeight() const override { return lineHeight_; }
    int ascent() const override { return ascent_; }
    int advance(std::uint8_t code) const override { return glyph(code).advance; }
    int textWidth(std::string_view bytes) const override;
    void drawGlyph(Bitmap& target, Rect clip, int x, int y, std::uint8_t code, Color color) const override;
    void drawText(Bitmap& target, Rect clip, int x, int y, std::string_view bytes, Color color) const override;

protected:    // `style` supplies the underline and strike-out lines; bold and italic are the subclass's work.
    CachedFont(Metrics metrics, unsigned style);

    // The characters a byte string stands for; a single byte always stands for its own value.
    virtual std::u32string decode(std::string_view bytes) const = 0;
    virtual GlyphImage render(char32_t code) const = 0;

private:
    const GlyphImage& glyph(char32_t code) const;

    std::string face_;
    int lineHeight_;
    int ascent_;
    unsigned style_;
    mutable std::unordered_map<char32_t, GlyphImage> glyphs_;
};

}  // namespace vemra::gfx
