#pragma once

#include <string>
#include <string_view>

namespace vemra::gfx {

// The characters of a byte string: its UTF-8 reading when the whole string is valid UTF-8,
// otherwise one Latin-1 character per byte.
std::u32string decodeUtf8OrLatin1(std::string_view bytes);

}  // namespace vemra::gfx
