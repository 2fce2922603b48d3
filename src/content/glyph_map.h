#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "content/keyboard_tables.h"
#include "content/persian_layout.h"

namespace vemra::content {

// How a letter joins its neighbours (Unicode's joining types of the characters a Persian keyboard
// types): on both sides, only to the letter read before it, or not at all.
enum class Joining : std::uint8_t { dual, right, none };
Joining joiningOf(char32_t c);

enum class GlyphForm : std::uint8_t { isolated, final, initial, medial };

// What one glyph code stands for: one letter, or two for a lam-alef ligature.
struct GlyphMeaning {
    std::u32string letters;
    GlyphForm firstForm;   // the shape of the first letter
    bool endsUnjoined;     // the last letter joins on both sides but not to the letter read after it
    bool startsUnjoined;   // the first letter joins but not to the letter read before it
};

// The map from the title's glyph codes to Unicode letters, derived from the title's own tables:
// the keyboard's letter records (which codes the key of a character types, in each form) read with
// the Persian layout (which letter each key stands for), extended through the input method's
// constant form tables and lam-alef ligatures. A key whose record does not agree with its letter
// (four forms for a letter that joins on one side only, one form for a joining letter) is left
// out; a code the tables do not reach stays unmapped and is never guessed.
class GlyphMap {
public:
    static GlyphMap derive(const KeyboardTables& keys, std::span<const LayoutKey> layout = persianLayout());

    // Null for an unmapped code.
    const GlyphMeaning* meaning(std::uint8_t code) const;
    // The key (character code) that types `c`; nullopt when none does.
    std::optional<std::uint8_t> keyFor(char32_t c) const;

private:
    void assign(std::uint8_t code, char32_t letter, GlyphForm form);

    std::array<std::optional<GlyphMeaning>, 256> codes_;
    std::map<char32_t, std::uint8_t> keys_;
};

// The map of the program's content from its keyboard tables, and why the tables could not be read
// whole (the keys after the failure are then left out).
struct ContentGlyphMap {
    GlyphMap map;
    std::optional<std::string> damage;
};
ContentGlyphMap readGlyphMap();

// The map of the program's content, built when first asked for. Tables that cannot be read leave
// the keys after the failure out, without a word: the search window reports them when it opens,
// as it always did.
const GlyphMap& glyphMap();

}  // namespace vemra::content
