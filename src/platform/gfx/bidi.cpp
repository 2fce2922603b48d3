#include "platform/gfx/bidi.h"

#include <fribidi.h>

#include <vector>

#include "platform/gfx/utf8.h"

namespace vemra::gfx {

namespace {

bool invisibleControl(FriBidiChar c) {
    return c == 0x200C || c == 0x200D || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string visualLine(std::string_view logicalUtf8) {
    const auto decoded = decodeUtf8(logicalUtf8);
    if (!decoded || decoded->empty()) return std::string(logicalUtf8);
    std::vector<FriBidiChar> logical(decoded->begin(), decoded->end());
    std::vector<FriBidiChar> visual(logical.size());
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (!fribidi_log2vis(logical.data(), FriBidiStrIndex(logical.size()), &direction, visual.data(), nullptr, nullptr,
                         nullptr))
        return std::string(logicalUtf8);
    std::string shown;
    for (const FriBidiChar c : visual)
        if (!invisibleControl(c)) shown += encodeUtf8(char32_t(c));
    return shown;
}

}  // namespace vemra::gfx
