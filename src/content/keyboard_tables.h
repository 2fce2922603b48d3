#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "content/whole_text_file.h"

namespace vemra::content {

// A letter as the keyboard types it: four codes (initial, medial, final, isolated), two (final,
// isolated) or one.
struct TypedLetter {
    std::vector<std::uint8_t> forms;
    bool fourForm() const { return forms.size() == 4; }
    bool twoForm() const { return forms.size() == 2; }
    bool oneForm() const { return forms.size() == 1; }
};

// What a character code types.
struct KeyLookup {
    enum class Outcome {
        letter,      // `letter` holds it
        nothing,     // a record of index 0 or of a span other than 1, 2 or 4 codes
        unreadable,  // no key entry, or a record or form code that is no number
    };
    Outcome outcome = Outcome::unreadable;
    TypedLetter letter;
};

// The search box's keyboard: the letter record each character code 1 … 126 types
// ("data1\1\3.txt"), each record's first and last form index ("data1\1\c2.txt") and the form codes
// ("data1\1\c1.txt"). Records and codes are read anew from their whole texts at every lookup.
class KeyboardTables {
public:
    static constexpr int keyCount = 126;

    // Reads the records and the codes, then the keys one by one. The first failure throws and
    // leaves the rest unread: the keys read before a bad key field still type their letters.
    void load();

    KeyLookup lookUp(int character) const;

private:
    void readKeys(const WholeTextFile& keys);

    std::array<std::optional<std::int32_t>, keyCount + 1> keys_;  // by character code; 0 unused
    std::optional<WholeTextFile> records_;
    std::optional<WholeTextFile> codes_;
};

}  // namespace vemra::content
