#pragma once

#include "platform/gfx/font_cached.h"
#include "platform/gfx/font_freetype.h"

namespace vemra::gfx {

// A face of fixed-size bitmaps (a Windows FNT resource): one size, glyphs addressed by raw byte code.
class BitmapFont final : public CachedFont {
public:
    BitmapFont(FacePtr face, unsigned style);

private:
    std::u32string decode(std::string_view bytes) const override;
    GlyphImage render(char32_t code) const override;

    FacePtr face_;
    bool bold_;
};

}  // namespace vemra::gfx
