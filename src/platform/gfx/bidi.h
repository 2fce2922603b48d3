#pragma once

#include <string>
#include <string_view>

namespace vemra::gfx {

// A line of UTF-8 text in the order a left-to-right pen draws it: right-to-left runs reversed and
// Arabic-script letters in their joined presentation forms, so that a font that only advances
// (the TrueType fallback) shows Persian correctly. The paragraph's direction is its first strong
// character's; joiners and direction marks, which such a font would draw as boxes, are left out.
std::string visualLine(std::string_view logicalUtf8);

}  // namespace vemra::gfx
