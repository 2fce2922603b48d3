#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include <fontconfig/fontconfig.h>

namespace vemra::gfx {

struct FontLocation {
    std::filesystem::path file;
    int index = 0;
};

// Finds installed scalable fonts through fontconfig.
class FontMatcher {
public:
    FontMatcher();
    ~FontMatcher();
    FontMatcher(const FontMatcher&) = delete;
    FontMatcher& operator=(const FontMatcher&) = delete;

    // The installed font closest to `family` in the given style, DejaVu Sans when the family is
    // unknown; nothing only when no font at all is installed.
    std::optional<FontLocation> match(std::string_view family, int pixelHeight, unsigned style) const;

private:
    FcConfig* config_;
};

}  // namespace vemra::gfx
