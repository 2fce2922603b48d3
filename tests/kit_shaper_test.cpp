// Shaping Persian text into glyph bytes in visual order: contextual forms, breaks, lam-alef,
// marks, numbers and the characters the fonts lack.
#include <gtest/gtest.h>

#include <vector>

#include "kit/shaper.h"

namespace vemra::kit {
namespace {

// Glyph codes as a byte string, first code leftmost.
std::string codes(std::vector<int> list) {
    std::string bytes;
    for (const int c : list) bytes += char(c);
    return bytes;
}

// Codes of the letters used below.
constexpr int behIsolated = 40, behFinal = 41, behMedial = 42, behInitial = 43;
constexpr int dalIsolated = 72, dalFinal = 73, space = 32;
constexpr int seenInitial = 85, alefFinal = 31, lamIsolated = 132;
constexpr int meemIsolated = 144, wawIsolated = 152;
constexpr int fatha = 198, kasra = 200, shadda = 201;

TEST(KitShaper, ALetterTakesItsFormFromItsNeighboursAndTheFirstReadStandsRightmost) {
    EXPECT_EQ(shape("ب"), codes({behIsolated}));
    EXPECT_EQ(shape("بب"), codes({behFinal, behInitial}));
    EXPECT_EQ(shape("ببب"), codes({behFinal, behMedial, behInitial}));
    EXPECT_EQ(shape(""), "");
}

TEST(KitShaper, RightJoiningLettersSpacesAndNonJoinersBreakTheJoinAfterThem) {
    EXPECT_EQ(shape("بدب"), codes({behIsolated, dalFinal, behInitial}));
    EXPECT_EQ(shape("دب"), codes({behIsolated, dalIsolated}));
    EXPECT_EQ(shape("ب ب"), codes({behIsolated, space, behIsolated}));
    EXPECT_EQ(shape("ب\u200Cب"), codes({behIsolated, behIsolated}));  // the non-joiner leaves no glyph
    EXPECT_EQ(shape("ب،ب"), codes({behIsolated, 1, behIsolated}));
}

TEST(KitShaper, LamAndAlefBecomeOneLigatureIsolatedOrJoined) {
    EXPECT_EQ(shape("لا"), codes({136}));
    EXPECT_EQ(shape("لأ"), codes({138}));
    EXPECT_EQ(shape("لآ"), codes({140}));
    EXPECT_EQ(shape("لإ"), codes({142}));
    EXPECT_EQ(shape("بلا"), codes({137, behInitial}));
    EXPECT_EQ(shape("سلام"), codes({meemIsolated, 137, seenInitial}));
    // A non-joiner keeps them apart.
    EXPECT_EQ(shape("ل\u200Cا"), codes({30, lamIsolated}));
}

TEST(KitShaper, AMarkGoesJustBeforeItsLetterAndDoesNotBreakTheJoin) {
    EXPECT_EQ(shape("بَ"), codes({fatha, behIsolated}));
    EXPECT_EQ(shape("بَب"), codes({behFinal, fatha, behInitial}));
    EXPECT_EQ(shape("بِّب"), codes({behFinal, shadda, kasra, behInitial}));
    EXPECT_EQ(shape("لَا"), codes({fatha, 136}));  // a mark between lam and alef sits on the ligature
}

TEST(KitShaper, NumbersKeepTheirDigitsInReadingOrder) {
    const std::string year = codes({179, 181, 245, 247});  // ۱۳۷۸
    EXPECT_EQ(shape("سال ۱۳۷۸"), year + codes({space, lamIsolated, alefFinal, seenInitial}));
    EXPECT_EQ(shape("سال 1378"), shape("سال ۱۳۷۸"));
    EXPECT_EQ(shape("سال ١٣٧٨"), shape("سال ۱۳۷۸"));
    EXPECT_EQ(shape("۱۳۷۸/۵/۲"), year + codes({24, 184, 24, 180}));
    EXPECT_EQ(shape("۱ و ۲"), codes({180, space, wawIsolated, space, 179}));  // separate numbers stay apart
    EXPECT_EQ(shape("۱۲."), codes({4, 179, 180}));                       // a full stop ends the sentence
}

TEST(KitShaper, BracketsAndGuillemetsTakeTheirMirroredShape) {
    EXPECT_EQ(shape("(ب)"), codes({15, behIsolated, 16}));
    EXPECT_EQ(shape("«ب»"), codes({18, behIsolated, 22}));
}

TEST(KitShaper, ArabicKafAndYehAreShapedAsThePersianLetters) {
    EXPECT_EQ(shape("كي"), shape("کی"));
}

TEST(KitShaper, ACharacterWithoutAGlyphIsAnErrorNamingIt) {
    try {
        shape("بAب");
        FAIL() << "no error";
    } catch (const ShapeError& e) {
        EXPECT_NE(std::string(e.what()).find("\"A\" (U+0041)"), std::string::npos) << e.what();
    }
    EXPECT_THROW(shape("ب\xD8"), ShapeError);      // cut-off UTF-8
    EXPECT_THROW(shape("\xC0\xAF"), ShapeError);   // overlong form
}

}  // namespace
}  // namespace vemra::kit
