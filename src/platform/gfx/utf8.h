#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vemra::gfx {

// The code points of UTF-8 text; nothing when the text is not well-formed UTF-8 (overlong forms,
// surrogates and values past U+10FFFF included), with the offset of the first bad byte in `errorAt`.
std::optional<std::u32string> decodeUtf8(std::string_view text, std::size_t* errorAt = nullptr);
std::string encodeUtf8(char32_t c);

}  // namespace vemra::gfx
