#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vemra::kit {

// How a letter joins its neighbours, and so how many glyph codes it has.
enum class Joining : std::uint8_t {
    dual,   // four forms: joins the letter before and the letter after it
    right,  // two forms: joins only the letter read before it
    none,   // one form: digits, punctuation, space, hamza
    mark,   // one zero-advance code drawn over the following glyph
};

// Contextual forms, in the order `Letter::codes` holds them.
enum class Form : std::uint8_t { isolated, final, initial, medial };

// One character of the display fonts: its glyph code in each form, and the Unicode character
// whose picture the font generator renders for that form.
struct Letter {
    char32_t character;
    std::string_view name;
    Joining joining;
    std::array<std::uint8_t, 4> codes;     // by Form; two-form letters repeat isolated and final
    std::array<char32_t, 4> pictures;      // by Form, like `codes`

    std::uint8_t code(Form form) const { return codes[std::size_t(form)]; }
};

// A final alef (left, as stored) after an initial or medial lam (right), drawn as one glyph.
struct LigaturePair {
    std::uint8_t left;
    std::uint8_t right;
    std::uint8_t ligature;
    char32_t picture;
};

// A key of the keyboard (its ASCII character code) and the character it types.
struct KeyBinding {
    char key;
    char32_t character;
};

inline constexpr char32_t lam = U'\u0644';
inline constexpr char32_t zeroWidthNonJoiner = U'\u200C';

std::span<const Letter> letters();
// In the order in which the input method tries them.
std::span<const LigaturePair> ligaturePairs();
std::span<const KeyBinding> keyBindings();

// The letter for a character exactly as the table lists it; null when it has none.
const Letter* findLetter(char32_t character);
// The letter a key types; null for a key without one.
const Letter* letterForKey(char key);

// What the font shows for a glyph code.
struct CodeGlyph {
    char32_t picture = 0;      // 0: the code is unassigned
    char32_t character = 0;    // the letter, drawn instead where a font lacks the picture
    bool zeroAdvance = false;  // a mark, drawn over the following glyph
};
const CodeGlyph& glyphForCode(std::uint8_t code);

}  // namespace vemra::kit
