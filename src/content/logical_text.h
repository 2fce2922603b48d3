#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "content/glyph_map.h"

namespace vemra::content {

// A stored line of glyph codes as logical Unicode text, with what could not be carried over.
struct LogicalLine {
    std::u32string text;
    int glyphs = 0;                      // codes carried over
    std::map<std::uint8_t, int> marksDropped;  // zero-advance marks no key types, and how often
    std::map<std::uint8_t, int> leftOut;       // other unmapped codes, and how often
};

// The glyph codes of a stored line (visual order, leftmost first) as text in reading order: the
// codes from last to first, but a number keeps its digits (and the / . : between them) in their
// own order, as the bidirectional algorithm lays them out; shapes become their letters (a bracket
// becomes what its key types, which the layout gives for right-to-left text); a zero-width non-joiner goes back between
// a letter that joins on both sides but stands unjoined and the next letter that stands unjoined.
// Zero-advance marks that no key types are dropped and unmapped codes left out, never replaced.
LogicalLine toLogical(std::string_view stored, const GlyphMap& map);

std::string toUtf8(std::u32string_view text);

// Stored lines as UTF-8 text in reading order, one line a line, through the content's glyphMap().
std::string logicalText(std::span<const std::string> storedLines);

}  // namespace vemra::content
