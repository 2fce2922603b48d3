#include "kit/shaper.h"

#include <algorithm>
#include <mutex>
#include <cstdio>
#include <optional>
#include <vector>

#include "kit/code_table.h"
#include "platform/gfx/utf8.h"

namespace vemra::kit {

char32_t normalised(char32_t c) {
    if (c >= U'0' && c <= U'9') return U'\u06F0' + (c - U'0');
    if (c >= U'\u0660' && c <= U'\u0669') return U'\u06F0' + (c - U'\u0660');
    switch (c) {
    case U'\u064A':
    case U'\u0649': return U'\u06CC';
    case U'\u0643': return U'\u06A9';
    case U'\u06D4': return U'.';
    default: return c;
    }
}

namespace {

// Brackets and guillemets stand at the other side of their text in right-to-left lines, so they
// take each other's picture.
char32_t mirrored(char32_t c) {
    switch (c) {
    case U'(': return U')';
    case U')': return U'(';
    case U'\u00AB': return U'\u00BB';
    case U'\u00BB': return U'\u00AB';
    default: return c;
    }
}

std::string describe(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
    return "\"" + gfx::encodeUtf8(c) + "\" (" + code + ")";
}

// One character of the text: its letter, or null for a zero-width non-joiner.
using Item = const Letter*;

std::vector<Item> items(std::string_view utf8) {
    std::size_t errorAt = 0;
    const auto text = gfx::decodeUtf8(utf8, &errorAt);
    if (!text) throw ShapeError("text is not UTF-8 (bad byte at offset " + std::to_string(errorAt) + ")");
    std::vector<Item> result;
    for (const char32_t c : *text) {
        if (c == zeroWidthNonJoiner) {
            result.push_back(nullptr);
            continue;
        }
        const Letter* letter = findLetter(mirrored(normalised(c)));
        if (!letter) throw ShapeError("no glyph for " + describe(c));
        result.push_back(letter);
    }
    return result;
}

bool isMark(Item item) { return item && item->joining == Joining::mark; }
bool joinsBefore(Item item) { return item && (item->joining == Joining::dual || item->joining == Joining::right); }
bool joinsAfter(Item item) { return item && item->joining == Joining::dual; }
bool isDigit(Item item) { return item && item->character >= U'\u06F0' && item->character <= U'\u06F9'; }
bool isNumberSeparator(Item item) {
    return item && (item->character == U'/' || item->character == U'.' || item->character == U':');
}

// Marks do not take part in joining: a letter's neighbours are the nearest items that are not marks.
std::optional<std::size_t> previousBase(const std::vector<Item>& text, std::size_t i) {
    while (i-- > 0)
        if (!isMark(text[i])) return i;
    return std::nullopt;
}

std::optional<std::size_t> nextBase(const std::vector<Item>& text, std::size_t i) {
    while (++i < text.size())
        if (!isMark(text[i])) return i;
    return std::nullopt;
}

// The glyph code of every item in reading order; nullopt for items without a glyph of their own
// (a non-joiner, an alef merged into the lam before it).
std::vector<std::optional<std::uint8_t>> glyphCodes(const std::vector<Item>& text) {
    std::vector<std::optional<std::uint8_t>> codes(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!text[i]) continue;
        const auto before = previousBase(text, i), after = nextBase(text, i);
        const bool joinPrevious = joinsBefore(text[i]) && before && joinsAfter(text[*before]);
        const bool joinNext = joinsAfter(text[i]) && after && joinsBefore(text[*after]);
        const Form form = joinPrevious ? (joinNext ? Form::medial : Form::final) : (joinNext ? Form::initial : Form::isolated);
        codes[i] = text[i]->code(form);
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!text[i] || text[i]->character != lam) continue;
        const auto after = nextBase(text, i);
        if (!after || !codes[*after]) continue;
        const auto pairs = ligaturePairs();
        const auto pair = std::find_if(pairs.begin(), pairs.end(),
                                       [&](const LigaturePair& p) { return p.left == *codes[*after] && p.right == *codes[i]; });
        if (pair == pairs.end()) continue;
        codes[i] = pair->ligature;
        codes[*after].reset();
    }
    return codes;
}

std::mutex& sourcesMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, std::string>& sources() {
    static std::map<std::string, std::string> shaped;
    return shaped;
}

// The glyph codes of the text in visual order.
std::string shapeVisual(std::string_view utf8) {
    const std::vector<Item> text = items(utf8);
    const auto codes = glyphCodes(text);

    // Runs of glyphs that keep their inner order: a letter with its marks (marks first, so that
    // they are drawn over it), or a number.
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!codes[i]) continue;
        const char code = char(*codes[i]);
        if (isMark(text[i]) && !runs.empty()) {
            runs.back().insert(runs.back().begin(), code);
        } else if (isDigit(text[i])) {
            std::string number(1, code);
            while (i + 1 < text.size()) {
                if (isDigit(text[i + 1])) {
                    number += char(*codes[++i]);
                } else if (isNumberSeparator(text[i + 1]) && i + 2 < text.size() && isDigit(text[i + 2])) {
                    number += char(*codes[i + 1]);
                    number += char(*codes[i + 2]);
                    i += 2;
                } else {
                    break;
                }
            }
            runs.push_back(number);
        } else {
            runs.emplace_back(1, code);
        }
    }
    std::string visual;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) visual += *run;
    return visual;
}

}  // namespace

std::string shape(std::string_view utf8) {
    std::string visual = shapeVisual(utf8);
    const std::lock_guard lock(sourcesMutex());
    sources()[visual] = std::string(utf8);
    return visual;
}

std::map<std::string, std::string> shapedSources() {
    const std::lock_guard lock(sourcesMutex());
    return sources();
}

}  // namespace vemra::kit
