#pragma once

#include "platform/gfx/font_cached.h"
#include "platform/gfx/font_freetype.h"

namespace vemra::gfx {

// A scalable face at one pixel height, anti-aliased; bold and italic are synthesised when the
// face itself is not. Takes the face for itself, since it sets the face's size.
class TrueTypeFont final : public CachedFont {
public:
    TrueTypeFont(FacePtr face, int height, unsigned style);

private:
    std::u32string decode(std::string_view bytes) const override;
    GlyphImage render(char32_t code) const override;

    FacePtr face_;
    bool emboldenSlot_;
    bool slantSlot_;
};

}  // namespace vemra::gfx
