// The search box's input method on the demo keyboard, driven key by key; every expected byte
// string is worked out by hand from the form tables.
#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <map>

#include "content/content_error.h"
#include "content/content_source.h"
#include "content/glyph_forms.h"
#include "content/input_method.h"
#include "kit/gen_keyboard.h"
#include "kit/text_files.h"
#include "platform/ui/input.h"
#include "scenario_support.h"

namespace vemra::content {
namespace {

using testing::TempDir;

std::string bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(char(c));
    return s;
}

// Keys of the demo keyboard: beh f, feh t, teh j, noon k, meem l, lam g, the alefs h N H Y, reh v,
// peh m (a four-form letter the form tables do not hold), space, and A without a letter.
class InputMethodTest : public ::testing::Test {
protected:
    InputMethodTest() {
        kit::writeKeyboardTables(dir.path());
        setContentRoot(dir.path());
        tables.load();
        im.onEnter = [this] { ++searches; };
        im.onEscape = [this] { ++closes; };
        im.onNoLetter = [this] { ++messages; };
    }

    void type(std::string_view keys) {
        for (unsigned char c : keys) im.keyPress(c);
    }
    // A key goes down and, when the input method passes it on, types its character.
    void key(int vk) {
        if (im.keyDown(vk) && (vk == ui::vk::back || vk == ui::vk::enter)) im.keyPress(std::uint8_t(vk));
    }
    void keys(std::initializer_list<int> vks) {
        for (int vk : vks) key(vk);
    }

    TempDir dir;
    KeyboardTables tables;
    InputMethod im{tables};
    int searches = 0, closes = 0, messages = 0;
};

TEST_F(InputMethodTest, FourFormLettersTypedLeftwardsJoinIsolatedThenInitialFinalThenMedialChain) {
    type("f");
    EXPECT_EQ(im.text(), bytes({40}));  // alone: isolated
    type("t");
    EXPECT_EQ(im.text(), bytes({115, 43}));  // the first turns initial, the new one is final
    type("j");
    EXPECT_EQ(im.text(), bytes({49, 116, 43}));  // the middle one turns medial
    type("k");
    EXPECT_EQ(im.text(), bytes({149, 50, 116, 43}));
    type("l");
    EXPECT_EQ(im.text(), bytes({145, 150, 50, 116, 43}));
    EXPECT_EQ(im.caret(), 0);
    EXPECT_EQ(im.pendingDelete(), 0);
}

TEST_F(InputMethodTest, AOneFormLetterBetweenJoinedLettersBreaksBothJoins) {
    type("fff");  // beh final, medial, initial
    keys({ui::vk::end, ui::vk::right});
    type(" ");  // between final and medial
    EXPECT_EQ(im.text(), bytes({40, 32, 41, 43}));
    EXPECT_EQ(im.caret(), 1);

    keys({ui::vk::end, ui::vk::right, ui::vk::right, ui::vk::right});
    type(" ");  // between the medial-turned-final and the initial
    EXPECT_EQ(im.text(), bytes({40, 32, 40, 32, 40}));
}

TEST_F(InputMethodTest, TwoFormLettersJoinOnlyTheLetterTypedBefore) {
    type("g");
    type("v");  // reh left of an isolated lam: lam turns initial, reh final
    EXPECT_EQ(im.text(), bytes({77, 135}));
    type("f");  // beh after reh stands alone: reh does not join leftwards
    EXPECT_EQ(im.text(), bytes({40, 77, 135}));
}

TEST_F(InputMethodTest, EachLamAlefPairBecomesItsLigature) {
    const struct {
        const char* keys;
        std::string expected;
    } cases[] = {
        {"gh", bytes({136})},      {"fgh", bytes({137, 43})}, {"gN", bytes({138})},      {"fgN", bytes({139, 43})},
        {"gH", bytes({140})},      {"fgH", bytes({141, 43})}, {"gY", bytes({142})},      {"fgY", bytes({143, 43})},
    };
    for (const auto& c : cases) {
        InputMethod fresh(tables);
        for (const char* k = c.keys; *k; ++k) fresh.keyPress(std::uint8_t(*k));
        EXPECT_EQ(fresh.text(), c.expected) << c.keys;
        EXPECT_EQ(fresh.caret(), 0) << c.keys;
    }
}

TEST_F(InputMethodTest, BackspaceOverALigatureRetypesTheLamAndDeleteRetypesTheAlef) {
    struct Case {
        const char* keys;
        std::string afterBackspace, afterDelete;
    };
    const Case cases[] = {
        {"gh", bytes({132}), bytes({30})},           {"gN", bytes({132}), bytes({33})},
        {"gH", bytes({132}), bytes({34})},           {"gY", bytes({132}), bytes({36})},
        {"fgh", bytes({133, 43}), bytes({31, 43})},  {"fgN", bytes({133, 43}), bytes({33, 43})},
        {"fgH", bytes({133, 43}), bytes({35, 43})},  {"fgY", bytes({133, 43}), bytes({37, 43})},
    };
    for (const Case& c : cases) {
        InputMethod backspace(tables), del(tables);
        for (const char* k = c.keys; *k; ++k) {
            backspace.keyPress(std::uint8_t(*k));
            del.keyPress(std::uint8_t(*k));
        }
        // Backspace takes the glyph right of the caret: the alef typed last.
        EXPECT_TRUE(backspace.keyDown(ui::vk::back));
        backspace.keyPress(8);
        EXPECT_EQ(backspace.text(), c.afterBackspace) << c.keys;
        EXPECT_EQ(backspace.caret(), 0);
        // Delete takes the glyph left of a caret just right of the ligature: the lam.
        del.keyDown(ui::vk::end);
        del.keyDown(ui::vk::right);
        EXPECT_FALSE(del.keyDown(ui::vk::del));
        EXPECT_EQ(del.text(), c.afterDelete) << c.keys;
        EXPECT_EQ(del.caret(), 0);
        EXPECT_EQ(del.pendingDelete(), 0);
    }
}

TEST_F(InputMethodTest, CaretKeysMoveWithinTheTextAndTypingInTheMiddleJoinsBothSides) {
    type("ff");
    keys({ui::vk::end});
    EXPECT_EQ(im.caret(), 0);  // End: left end
    keys({ui::vk::home});
    EXPECT_EQ(im.caret(), 2);  // Home: right end
    keys({ui::vk::right});
    EXPECT_EQ(im.caret(), 2);
    keys({ui::vk::left, ui::vk::left, ui::vk::left});
    EXPECT_EQ(im.caret(), 0);
    keys({ui::vk::right});
    type("f");
    EXPECT_EQ(im.text(), bytes({41, 42, 43}));
    EXPECT_EQ(im.caret(), 1);
    EXPECT_TRUE(im.keyDown(ui::vk::up));  // other keys go on to the box
}

TEST_F(InputMethodTest, DeletionAtEitherEndChangesNothingAndDeleteRejoinsWithoutSearching) {
    type("fff");
    keys({ui::vk::home, ui::vk::back});  // Backspace at the right end
    EXPECT_EQ(im.text(), bytes({41, 42, 43}));
    keys({ui::vk::end, ui::vk::del});  // Delete at the left end
    EXPECT_EQ(im.text(), bytes({41, 42, 43}));

    keys({ui::vk::home, ui::vk::del});  // the initial goes, the medial left of it turns initial
    EXPECT_EQ(im.text(), bytes({41, 43}));
    EXPECT_EQ(im.caret(), 2);
    keys({ui::vk::end, ui::vk::back});  // the final goes, the initial right of it turns isolated
    EXPECT_EQ(im.text(), bytes({40}));
    EXPECT_EQ(searches, 0);
}

TEST_F(InputMethodTest, ASelectionIsCutByBackspaceOrDeleteWithoutRetyping) {
    type("fff");
    im.setSelection(0, 2);
    key(ui::vk::back);
    EXPECT_EQ(im.text(), bytes({40}));

    InputMethod other(tables);
    for (char k : std::string("ffgh")) other.keyPress(std::uint8_t(k));  // beh beh lam-alef
    ASSERT_EQ(other.text(), bytes({137, 42, 43}));
    other.setSelection(0, 2);  // the ligature and the medial beh
    other.keyDown(ui::vk::del);
    EXPECT_EQ(other.text(), bytes({40}));  // nothing retyped after a selection

    for (const int vk : {ui::vk::back, ui::vk::del}) {
        InputMethod ligature(tables);
        for (char k : std::string("agh")) ligature.keyPress(std::uint8_t(k));
        ASSERT_EQ(ligature.text(), bytes({137, 89}));
        ligature.setSelection(0, 1);  // the ligature alone: no lam typed again
        if (ligature.keyDown(vk)) ligature.keyPress(std::uint8_t(vk));
        EXPECT_EQ(ligature.text(), bytes({86})) << vk;
        EXPECT_EQ(ligature.caret(), 0);
    }
}

TEST_F(InputMethodTest, EnterSearchesEscapeClosesAndAKeyWithoutALetterOnlyReports) {
    type("f");
    key(ui::vk::enter);
    EXPECT_EQ(searches, 1);
    key(ui::vk::escape);
    EXPECT_EQ(closes, 1);
    type("A");
    EXPECT_EQ(messages, 1);
    type("\x01");  // a control character types nothing, silently
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(im.text(), bytes({40}));
}

// The plain alef is final 31 and isolated 30 (the class sets' reading): it takes a join from a
// letter typed before it and gives it up again.
TEST_F(InputMethodTest, ThePlainAlefChangesBetween30And31) {
    type("h");
    EXPECT_EQ(im.text(), bytes({30}));
    keys({ui::vk::home});
    type("f");  // beh typed before the alef, right of it
    EXPECT_EQ(im.text(), bytes({31, 43}));
    keys({ui::vk::end, ui::vk::right});
    type(" ");
    EXPECT_EQ(im.text(), bytes({30, 32, 40}));
    EXPECT_EQ(withRightJoin(29), 29);  // a two-form isolated code without a letter keeps its shape
    EXPECT_EQ(withoutRightJoin(29), 29);
}

TEST_F(InputMethodTest, AFourFormLetterBesideAnUnclassifiedGlyphIsTypedIsolated) {
    type("\\");  // peh: four-form, but outside the form tables
    EXPECT_EQ(im.text(), bytes({44}));
    type("f");  // its only neighbour is on the right
    EXPECT_EQ(im.text(), bytes({40, 44}));
    InputMethod other(tables);
    other.keyPress('\\');
    other.keyDown(ui::vk::home);
    other.keyPress('f');  // its only neighbour is on the left
    EXPECT_EQ(other.text(), bytes({44, 40}));
}

TEST_F(InputMethodTest, AFourFormLetterTypedLastAfterANonJoiningGlyphStandsAloneAndLeavesIt) {
    type("gN");  // 138, an isolated ligature that is also non-joining
    keys({ui::vk::home});
    type("f");
    EXPECT_EQ(im.text(), bytes({138, 40}));
    keys({ui::vk::home});
    type("0");  // a digit: one form
    keys({ui::vk::home});
    type("f");
    EXPECT_EQ(im.text(), bytes({138, 40, 174, 40}));
}

// Keyboard tables written for a case: `keys` gives the record of every character code from 1.
class BadKeyboardTest : public ::testing::Test {
protected:
    BadKeyboardTest() { setContentRoot(dir.path()); }

    void writeKeys(const std::vector<kit::Field>& fields) {
        std::vector<kit::FieldRecord> records;
        for (const auto& f : fields) records.push_back({f});
        kit::writeFieldFile(kit::contentFile(dir.path(), "data1\\1\\3.txt"), records, 1);
    }
    void writeRecords(const std::vector<kit::FieldRecord>& records) {
        kit::writeFieldFile(kit::contentFile(dir.path(), "data1\\1\\c2.txt"), records, 2);
    }
    void writeCodes(const std::vector<kit::FieldRecord>& codes) {
        kit::writeFieldFile(kit::contentFile(dir.path(), "data1\\1\\c1.txt"), codes, 1);
    }
    // Character codes 1 … 126 all type record `r`, but `special` ones type their own.
    static std::vector<kit::Field> allKeys(std::int64_t r, std::map<int, kit::Field> special = {}) {
        std::vector<kit::Field> keys;
        for (int c = 1; c <= KeyboardTables::keyCount; ++c) keys.push_back(special.contains(c) ? special[c] : kit::Field{r});
        return keys;
    }

    TempDir dir;
    KeyboardTables tables;
};

TEST_F(BadKeyboardTest, AMissingOrMalformedKeyTableFailsTheLoadAndLeavesOnlyTheKeysReadBefore) {
    EXPECT_THROW(tables.load(), ContentError);  // nothing there
    EXPECT_EQ(tables.lookUp('a').outcome, KeyLookup::Outcome::unreadable);

    writeKeys(allKeys(1, {{'b', std::nullopt}}));  // a blank field at 'b'
    writeRecords({{0, 0}, {1, 1}});
    writeCodes({{0}, {40}});
    KeyboardTables partial;
    EXPECT_THROW(partial.load(), ContentError);
    // Reading stopped at 'b': the keys before it type their letters, the others none.
    EXPECT_EQ(partial.lookUp('a').outcome, KeyLookup::Outcome::letter);
    EXPECT_EQ(partial.lookUp('b').outcome, KeyLookup::Outcome::unreadable);
    EXPECT_EQ(partial.lookUp('c').outcome, KeyLookup::Outcome::unreadable);
}

TEST_F(BadKeyboardTest, RecordsAndCodesThatCannotBeUsedTypeNothingOrReport) {
    // Records: 1 one code, 2 past the end of the codes, 3 b < a, 4 b - a = 2, 5 a code above 255,
    // 6 an index 0, and keys beyond the records or negative.
    writeKeys(allKeys(1, {{'b', 2}, {'c', 3}, {'d', 4}, {'e', 5}, {'f', 6}, {'g', 40}, {'h', -3}}));
    writeRecords({{0, 0}, {1, 1}, {3, 4}, {2, 1}, {1, 3}, {2, 2}, {0, 1}});
    writeCodes({{0}, {40}, {300}});
    tables.load();
    using enum KeyLookup::Outcome;
    EXPECT_EQ(tables.lookUp('a').outcome, letter);
    EXPECT_EQ(tables.lookUp('a').letter.forms, std::vector<std::uint8_t>{40});
    EXPECT_EQ(tables.lookUp('b').outcome, unreadable);
    EXPECT_EQ(tables.lookUp('c').outcome, nothing);
    EXPECT_EQ(tables.lookUp('d').outcome, nothing);
    EXPECT_EQ(tables.lookUp('e').outcome, unreadable);
    EXPECT_EQ(tables.lookUp('f').outcome, nothing);
    EXPECT_EQ(tables.lookUp('g').outcome, unreadable);
    EXPECT_EQ(tables.lookUp('h').outcome, unreadable);
    EXPECT_EQ(tables.lookUp(0).outcome, unreadable);
    EXPECT_EQ(tables.lookUp(KeyboardTables::keyCount).outcome, letter);  // the last entry
    EXPECT_EQ(tables.lookUp(127).outcome, unreadable);

    InputMethod im(tables);
    int messages = 0;
    im.onNoLetter = [&] { ++messages; };
    for (char k : std::string("abcdefgh")) im.keyPress(std::uint8_t(k));
    EXPECT_EQ(im.text(), bytes({40}));
    EXPECT_EQ(messages, 4);
}

}  // namespace
}  // namespace vemra::content
