#include "content/keyboard_tables.h"

#include "content/content_error.h"

namespace vemra::content {

namespace {
constexpr std::int64_t recordWidth = 16;
constexpr std::int64_t fieldWidth = 8;
}  // namespace

void KeyboardTables::load() {
    records_ = WholeTextFile::load("data1\\1\\c2.txt");
    codes_ = WholeTextFile::load("data1\\1\\c1.txt");
    readKeys(WholeTextFile::load("data1\\1\\3.txt"));
}

void KeyboardTables::readKeys(const WholeTextFile& keys) {
    for (int k = 1; k <= keyCount; ++k) keys_[std::size_t(k)] = keys.field((k - 1) * fieldWidth + 1);
}

KeyLookup KeyboardTables::lookUp(int character) const {
    using enum KeyLookup::Outcome;
    if (character < 1 || character > keyCount || !keys_[std::size_t(character)] || !records_ || !codes_) return {};
    const std::int64_t record = *keys_[std::size_t(character)];
    try {
        const std::int64_t first = records_->field(record * recordWidth + 1);
        const std::int64_t last = records_->field(record * recordWidth + 1 + fieldWidth);
        const std::int64_t span = last - first;
        if (first == 0 || last == 0 || (span != 0 && span != 1 && span != 3)) return {nothing, {}};
        KeyLookup found{letter, {}};
        for (std::int64_t i = first; i <= last; ++i) {
            const std::int32_t code = codes_->field(i * fieldWidth + 1);
            if (code < 0 || code > 255) return {};  // no glyph code
            found.letter.forms.push_back(std::uint8_t(code));
        }
        return found;
    } catch (const ContentError&) {
        return {};
    }
}

}  // namespace vemra::content
