#include "kit/gen_keyboard.h"

#include <map>

#include "kit/code_table.h"
#include "kit/text_files.h"

namespace vemra::kit {

namespace {

constexpr int keyCount = 126;
constexpr int firstPrintable = 32;
constexpr std::int64_t typesNothing = 0;  // record 0: first and last index 0
constexpr std::int64_t noLetter = 1;      // record 1: blank fields

// The codes a letter is typed with, in the order the input method takes them: initial, medial,
// final, isolated for a four-form letter; final, isolated for a two-form letter; else its one code.
std::vector<std::uint8_t> typedForms(const Letter& letter) {
    switch (letter.joining) {
    case Joining::dual:
        return {letter.code(Form::initial), letter.code(Form::medial), letter.code(Form::final),
                letter.code(Form::isolated)};
    case Joining::right: return {letter.code(Form::final), letter.code(Form::isolated)};
    case Joining::none:
    case Joining::mark: break;
    }
    return {letter.code(Form::isolated)};
}

}  // namespace

void writeKeyboardTables(const std::filesystem::path& root) {
    std::vector<FieldRecord> formCodes = {{0}};  // index 0 stands for "no form"
    std::vector<FieldRecord> letterRecords = {{0, 0}, {std::nullopt, std::nullopt}};
    std::map<const Letter*, std::int64_t> recordOf;
    std::vector<FieldRecord> keys;
    for (int c = 1; c <= keyCount; ++c) {
        const Letter* letter = c < firstPrintable ? nullptr : letterForKey(char(c));
        if (!letter) {
            keys.push_back({c < firstPrintable ? typesNothing : noLetter});
            continue;
        }
        auto [it, added] = recordOf.emplace(letter, std::int64_t(letterRecords.size()));
        if (added) {
            const std::int64_t first = std::int64_t(formCodes.size());
            for (const std::uint8_t code : typedForms(*letter)) formCodes.push_back({code});
            letterRecords.push_back({first, std::int64_t(formCodes.size()) - 1});
        }
        keys.push_back({it->second});
    }
    writeFieldFile(contentFile(root, "data1\\1\\3.txt"), keys, 1);
    writeFieldFile(contentFile(root, "data1\\1\\c2.txt"), letterRecords, 2);
    writeFieldFile(contentFile(root, "data1\\1\\c1.txt"), formCodes, 1);
}

}  // namespace vemra::kit
