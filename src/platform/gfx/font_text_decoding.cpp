#include "platform/gfx/font_text_decoding.h"

#include <cstdint>
#include <optional>

namespace vemra::gfx {

namespace {

std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = std::uint8_t(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                                 : lead >= 0xE0 && lead < 0xF0             ? 3
                                 : lead >= 0xF0 && lead < 0xF5             ? 4
                                                                           : 0;
        if (length == 0 || i + length > bytes.size()) return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const std::uint8_t next = std::uint8_t(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[length] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) return std::nullopt;
        text.push_back(c);
        i += length;
    }
    return text;
}

}  // namespace

std::u32string decodeUtf8OrLatin1(std::string_view bytes) {
    if (auto text = decodeUtf8(bytes)) return *std::move(text);
    std::u32string latin1(bytes.size(), 0);
    for (std::size_t i = 0; i < bytes.size(); ++i) latin1[i] = std::uint8_t(bytes[i]);
    return latin1;
}

}  // namespace vemra::gfx
