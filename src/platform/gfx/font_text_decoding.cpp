#include "platform/gfx/font_text_decoding.h"

#include <cstdint>

#include "platform/gfx/utf8.h"

namespace vemra::gfx {

std::u32string decodeUtf8OrLatin1(std::string_view bytes) {
    if (auto text = decodeUtf8(bytes)) return *std::move(text);
    std::u32string latin1(bytes.size(), 0);
    for (std::size_t i = 0; i < bytes.size(); ++i) latin1[i] = std::uint8_t(bytes[i]);
    return latin1;
}

}  // namespace vemra::gfx
