// The code table against the input method's fixed tables: the same letter at the same position,
// the ligatures, the zero-advance and non-joining codes, and the keys the input method retypes.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "kit/code_table.h"

namespace vemra::kit {
namespace {

// The input method's ordered form tables, positions 1 to 24 and 1 to 12.
constexpr std::array<int, 24> initialForms{173, 43, 51, 55, 59, 67, 71, 85, 89, 93, 97, 101,
                                           105, 109, 113, 117, 121, 125, 135, 147, 151, 159, 167, 175};
constexpr std::array<int, 24> medialForms{172, 42, 50, 54, 58, 66, 70, 84, 88, 248, 96, 100,
                                          104, 108, 112, 116, 120, 124, 134, 146, 150, 225, 166, 175};
constexpr std::array<int, 24> finalForms{171, 41, 49, 53, 57, 65, 69, 83, 87, 91, 95, 99,
                                         103, 107, 111, 115, 119, 127, 133, 145, 149, 224, 169, 175};
constexpr std::array<int, 24> isolatedForms{170, 40, 48, 52, 56, 64, 68, 82, 86, 90, 94, 98,
                                            102, 106, 110, 114, 118, 126, 132, 144, 148, 156, 168, 175};
constexpr std::array<int, 12> twoFormFinals{33, 35, 155, 37, 30, 163, 73, 75, 77, 79, 153, 165};
constexpr std::array<int, 12> twoFormIsolated{33, 34, 154, 36, 31, 162, 72, 74, 76, 78, 152, 164};
constexpr int nonJoiningSet[] = {1,  2,  3,   4,   5,   6,   11,  12,  14,  15,  16,  18,  22,
                                 23, 24, 25,  27,  28,  32,  92,  138, 174, 179, 180, 181, 182,
                                 184, 189, 195, 196, 197, 198, 199, 200, 201, 202, 245, 247, 249};

const Letter* letterWithCode(int code, Form form) {
    for (const Letter& l : letters())
        if (l.code(form) == code) return &l;
    return nullptr;
}

TEST(KitCodeTable, EachPositionOfTheFourFormTablesIsOneLetterInItsFourShapes) {
    for (std::size_t k = 0; k < initialForms.size(); ++k) {
        const Letter* letter = letterWithCode(initialForms[k], Form::initial);
        ASSERT_NE(letter, nullptr) << "position " << k + 1;
        EXPECT_EQ(letter->joining, Joining::dual) << letter->name;
        EXPECT_EQ(letter->code(Form::medial), medialForms[k]) << letter->name;
        EXPECT_EQ(letter->code(Form::final), finalForms[k]) << letter->name;
        EXPECT_EQ(letter->code(Form::isolated), isolatedForms[k]) << letter->name;
    }
    EXPECT_EQ(letterWithCode(135, Form::initial)->character, lam);
}

TEST(KitCodeTable, EachPositionOfTheTwoFormTablesIsOneRightJoiningLetter) {
    for (std::size_t k = 0; k < twoFormFinals.size(); ++k) {
        // Position 5 holds the plain alef, whose final is 31 as the class sets and ligatures say.
        const bool alef = k == 4;
        const Letter* letter = letterWithCode(alef ? twoFormIsolated[k] : twoFormFinals[k], Form::final);
        ASSERT_NE(letter, nullptr) << "position " << k + 1;
        EXPECT_EQ(letter->joining, Joining::right) << letter->name;
        EXPECT_EQ(letter->code(Form::isolated), alef ? twoFormFinals[k] : twoFormIsolated[k]) << letter->name;
    }
}

TEST(KitCodeTable, LigaturesJoinLamWithTheFinalFormOfEachAlef) {
    std::set<int> ligatures;
    for (const LigaturePair& pair : ligaturePairs()) {
        const Letter* alef = letterWithCode(pair.left, Form::final);
        ASSERT_NE(alef, nullptr);
        EXPECT_EQ(alef->joining, Joining::right);
        EXPECT_EQ(letterWithCode(pair.right, pair.right == 135 ? Form::initial : Form::medial)->character, lam);
        // Lam initial gives the isolated ligature (an even code), lam medial the joined one.
        EXPECT_EQ(pair.ligature % 2, pair.right == 134 ? 1 : 0);
        EXPECT_EQ(glyphForCode(pair.ligature).picture, pair.picture);
        EXPECT_GE(pair.picture, 0xFEF5u);
        EXPECT_LE(pair.picture, 0xFEFCu);
        ligatures.insert(pair.ligature);
    }
    EXPECT_EQ(ligatures, (std::set<int>{136, 137, 138, 139, 140, 141, 142, 143}));
}

TEST(KitCodeTable, NoTwoCharactersShareACodeAndUnsafeBytesStayFree) {
    std::map<int, char32_t> owner;
    for (const Letter& l : letters())
        for (const std::uint8_t code : l.codes) {
            const auto [it, added] = owner.emplace(code, l.character);
            EXPECT_TRUE(added || it->second == l.character) << "code " << int(code) << " twice";
        }
    for (const LigaturePair& pair : ligaturePairs()) EXPECT_FALSE(owner.contains(pair.ligature));
    // Line ends, the white-line marker of the narration pages, tab and the accelerator prefix.
    for (const int code : {0, 9, 10, 13, 14, 38}) EXPECT_FALSE(owner.contains(code)) << code;
}

TEST(KitCodeTable, MarksAreExactlyTheZeroAdvanceCodesInUse) {
    for (const Letter& l : letters()) {
        const int code = l.code(Form::isolated);
        const bool inRange = code >= 195 && code <= 222;
        EXPECT_EQ(l.joining == Joining::mark, inRange) << l.name;
        EXPECT_EQ(glyphForCode(std::uint8_t(code)).zeroAdvance, inRange) << l.name;
    }
}

TEST(KitCodeTable, NonJoiningGlyphsUseTheNonJoiningCodes) {
    const std::set<int> nonJoining(std::begin(nonJoiningSet), std::end(nonJoiningSet));
    for (const Letter& l : letters()) {
        const int code = l.code(Form::isolated);
        if (l.joining == Joining::none) {
            EXPECT_TRUE(nonJoining.contains(code)) << l.name;
        } else if (l.joining != Joining::mark) {
            for (const std::uint8_t c : l.codes) EXPECT_FALSE(nonJoining.contains(c)) << l.name;
        }
    }
}

TEST(KitCodeTable, KeysAgreeWithTheLettersTheInputMethodRetypes) {
    const Letter* lamKey = letterForKey('g');
    ASSERT_NE(lamKey, nullptr);
    EXPECT_EQ(lamKey->codes, (std::array<std::uint8_t, 4>{132, 133, 135, 134}));
    // After Delete removes a ligature, its alef is retyped by these keys.
    const std::map<char, int> alefFinal{{'h', 31}, {'N', 33}, {'H', 35}, {'Y', 37}};
    for (const auto& [key, final] : alefFinal) {
        const Letter* alef = letterForKey(key);
        ASSERT_NE(alef, nullptr) << key;
        EXPECT_EQ(alef->code(Form::final), final) << key;
    }
    EXPECT_EQ(letterForKey('N')->code(Form::isolated), 33);
}

TEST(KitCodeTable, EveryKeyIsAnAsciiCodeTypingOneLetterOnce) {
    std::set<char> keys;
    for (const KeyBinding& binding : keyBindings()) {
        EXPECT_GE(binding.key, 1);
        EXPECT_LE(binding.key, 126);
        EXPECT_TRUE(keys.insert(binding.key).second) << binding.key;
        const Letter* letter = letterForKey(binding.key);
        ASSERT_NE(letter, nullptr) << binding.key;
        EXPECT_NE(letter->joining, Joining::mark) << binding.key;
    }
    EXPECT_EQ(letterForKey('@'), nullptr);
}

}  // namespace
}  // namespace vemra::kit
