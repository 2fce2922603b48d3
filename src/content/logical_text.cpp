#include "content/logical_text.h"

#include <vector>

#include "platform/gfx/utf8.h"

namespace vemra::content {

namespace {

constexpr char32_t zeroWidthNonJoiner = U'\u200C';
constexpr std::uint8_t firstMark = 195, lastMark = 222;

bool isDigit(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'\u0660' && c <= U'\u0669') || (c >= U'\u06F0' && c <= U'\u06F9');
}
bool isNumberSeparator(char32_t c) { return c == U'/' || c == U'.' || c == U':'; }
// Harakat and the other Arabic marks: they sit on a letter and take no part in joining.
bool isMark(std::u32string_view letters) {
    return letters.size() == 1 && ((letters[0] >= U'\u064B' && letters[0] <= U'\u065F') || letters[0] == U'\u0670');
}

// The single character of a code, 0 for an unmapped code or a ligature.
char32_t characterOf(const GlyphMap& map, std::uint8_t code) {
    const GlyphMeaning* m = map.meaning(code);
    return m && m->letters.size() == 1 ? m->letters[0] : 0;
}

// The codes in reading order: from last to first, a number's run kept in its stored order.
std::vector<std::uint8_t> readingOrder(std::string_view stored, const GlyphMap& map) {
    const auto code = [&](std::ptrdiff_t i) { return std::uint8_t(stored[std::size_t(i)]); };
    const auto digitAt = [&](std::ptrdiff_t i) { return isDigit(characterOf(map, code(i))); };
    std::vector<std::uint8_t> codes;
    for (std::ptrdiff_t i = std::ptrdiff_t(stored.size()) - 1; i >= 0;) {
        if (!digitAt(i)) {
            codes.push_back(code(i--));
            continue;
        }
        std::ptrdiff_t first = i;
        while (first > 0 && (digitAt(first - 1) ||
                             (first > 1 && isNumberSeparator(characterOf(map, code(first - 1))) && digitAt(first - 2))))
            first -= digitAt(first - 1) ? 1 : 2;
        for (std::ptrdiff_t j = first; j <= i; ++j) codes.push_back(code(j));
        i = first - 1;
    }
    return codes;
}

}  // namespace

LogicalLine toLogical(std::string_view stored, const GlyphMap& map) {
    LogicalLine line;
    const GlyphMeaning* previous = nullptr;
    for (const std::uint8_t code : readingOrder(stored, map)) {
        const GlyphMeaning* m = map.meaning(code);
        if (!m) {
            // A mark stays out of the join (the letters around it are neighbours); what another
            // code stood for is not known, so nothing is read across it.
            if (code >= firstMark && code <= lastMark) {
                ++line.marksDropped[code];
            } else {
                ++line.leftOut[code];
                previous = nullptr;
            }
            continue;
        }
        if (previous && previous->endsUnjoined && m->startsUnjoined) line.text += zeroWidthNonJoiner;
        line.text += m->letters;
        ++line.glyphs;
        if (!isMark(m->letters)) previous = m;
    }
    return line;
}

std::string logicalText(std::span<const std::string> storedLines) {
    std::string text;
    for (const std::string& line : storedLines) {
        if (!text.empty()) text += '\n';
        text += toUtf8(toLogical(line, glyphMap()).text);
    }
    return text;
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) out += gfx::encodeUtf8(c);
    return out;
}

}  // namespace vemra::content
