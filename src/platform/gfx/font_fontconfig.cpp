#include "platform/gfx/font_fontconfig.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/gfx/font.h"

namespace vemra::gfx {

namespace {

const FcChar8* fcText(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

}  // namespace

FontMatcher::FontMatcher() : config_(FcInitLoadConfigAndFonts()) {
    if (!config_) throw std::runtime_error("cannot load the fontconfig configuration");
}

FontMatcher::~FontMatcher() { FcConfigDestroy(config_); }

std::optional<FontLocation> FontMatcher::match(std::string_view family, int pixelHeight, unsigned style) const {
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, fcText(std::string(family)));
    FcPatternAddString(pattern.get(), FC_FAMILY, fcText("DejaVu Sans"));
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixelHeight);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, (style & styleBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, (style & styleItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config_, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> found(
        FcFontMatch(config_, pattern.get(), &result), FcPatternDestroy);
    FcChar8* file = nullptr;
    if (!found || FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
    int index = 0;
    FcPatternGetInteger(found.get(), FC_INDEX, 0, &index);
    return FontLocation{reinterpret_cast<const char*>(file), index};
}

}  // namespace vemra::gfx
