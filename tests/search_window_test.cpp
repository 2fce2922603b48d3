// The search window over an article list, on the demo tree and on trees with broken keyboard
// tables, driven headless.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// The crafts list frm21 (20 titles) from the main menu, and its search button.
const std::string toFrm21 = "click 380 130\nwait 50\nclick 500 125\nwait 50\nclick 530 300\nwait 50\n";
// Clicks on one spot stand apart further than a double click.
const std::string openSearch = "wait 600\nclick 407 415\nwait 50\n";
// In the search window's client coordinates.
const std::string find = "wait 600\nclick 199 110\nwait 20\n";
const std::string chooseRad1 = "click 238 75\nwait 20\n";
const std::string chooseRad2 = "click 111 76\nwait 20\n";

// "بافی" typed on the demo keyboard (beh alef feh yeh): it stands in the crafts titles 1, 10 and 16.
const std::string typeWord = "type fhtd\n";
const std::string wordHex = "a9751f2b";

const nlohmann::json& screen(const nlohmann::json& state) { return state["screen"]; }

TEST(SearchWindow, OpensModallyBelowTheCentreFreshEachTimeWithTheInputMethodInItsBox) {
    const auto run = runTitle(toFrm21 + openSearch + "state\n" + typeWord + "state\nkey Escape\nwait 50\nstate\n" +
                              openSearch + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;

    EXPECT_EQ(s[0]["active"], "sear");
    const auto* window = findWindow(s[0], "sear");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ((*window)["modal"], true);
    EXPECT_EQ((*window)["width"], 270);
    EXPECT_EQ((*window)["caption"], "");
    EXPECT_EQ((*window)["left"], (640 - 270) / 2 + 3);  // the frame's corner placed, the client inside
    EXPECT_EQ((*window)["top"], (480 + 220 - 139) / 2 + 22);
    EXPECT_EQ(s[0]["focus"], "me1");
    EXPECT_EQ(screen(s[0])["text"], "");
    EXPECT_EQ(screen(s[0])["option"], "rad1");

    EXPECT_EQ(screen(s[1])["text"], wordHex);
    EXPECT_EQ(screen(s[1])["caret"], 0);
    EXPECT_EQ((*findControl(s[1], "me1"))["caption"], wordHex);  // the box shows what the input method holds

    EXPECT_EQ(s[2]["active"], "frm21");
    EXPECT_EQ(findWindow(s[2], "sear"), nullptr);
    EXPECT_EQ(screen(s[3])["text"], "");  // a new window, not the old one
    EXPECT_EQ(screen(s[3])["option"], "rad1");
}

TEST(SearchWindow, FindStepsTheListsTopRowThroughTheTitlesThatHoldTheWord) {
    const auto run = runTitle(toFrm21 + openSearch + find + "state\n" + typeWord + chooseRad2 + find + "state\n" +
                              find + "state\n" + find + "state\n" + find + "state\n" + chooseRad1 + find + "state\n" +
                              find + "state\nkey Escape\nwait 50\nstate\n" + openSearch + find + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 9u);
    const auto& s = run.states;
    auto listTop = [&](std::size_t i) { return screen(s[i])["listTop"]; };

    EXPECT_EQ(listTop(0), 0);  // an empty box finds nothing
    EXPECT_EQ(screen(s[1])["option"], "rad2");
    EXPECT_EQ(listTop(1), 1);
    EXPECT_EQ(listTop(2), 10);
    EXPECT_EQ(listTop(3), 16);
    EXPECT_EQ(listTop(4), 16);  // no title after the last hit
    EXPECT_EQ(screen(s[4])["text"], wordHex);  // the text survives every Find
    EXPECT_EQ(listTop(5), 1);   // from the first title
    EXPECT_EQ(listTop(6), 1);

    EXPECT_EQ(s[7]["active"], "frm21");
    EXPECT_EQ(s[7]["vars"]["listTop"], 1);
    const auto& lines = screen(s[7])["listLines"];
    EXPECT_NE(lines[1].get<std::string>().find(wordHex), std::string::npos);
    EXPECT_EQ((*findControl(s[7], "Label2"))["caption"], lines[1]);  // the found title in the top row
    EXPECT_EQ(listTop(8), 1);  // a fresh window with an empty box finds nothing
}

TEST(SearchWindow, EnterFindsAndTheLabelsChooseTheOptions) {
    const auto run = runTitle(toFrm21 + openSearch + typeWord + "click 60 73\nwait 20\nkey Enter\nwait 20\nstate\n" +
                              "key Enter\nwait 20\nstate\nclick 180 73\nwait 20\nkey Enter\nwait 20\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    EXPECT_EQ(screen(run.states[0])["option"], "rad2");
    EXPECT_EQ(screen(run.states[0])["listTop"], 1);
    EXPECT_EQ(screen(run.states[1])["listTop"], 10);
    EXPECT_EQ(screen(run.states[2])["option"], "rad1");
    EXPECT_EQ(screen(run.states[2])["listTop"], 1);
}

// Typed alone, "خوش" ends in an isolated sheen, which "خوشنویسی" (title 2) joins to the noon
// after it: no hit. "خو" ends in waw, which joins nothing after it, and is found there.
TEST(SearchWindow, TheTextIsComparedInItsTypedShapes) {
    const auto run = runTitle(toFrm21 + openSearch + "type o,a\n" + find + "state\nkey Backspace\n" + find +
                              "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(screen(run.states[0])["text"], "569947");  // sheen isolated, waw final, khah initial
    EXPECT_EQ(screen(run.states[0])["listTop"], 0);
    EXPECT_EQ(screen(run.states[1])["text"], "9947");
    EXPECT_EQ(screen(run.states[1])["listTop"], 2);
}

// Glyphs selected by dragging across the box from right to left (the caret at the selection's
// left end) are cut by Backspace as by Delete, and a ligature cut so retypes none of its letters.
TEST(SearchWindow, BackspaceAndDeleteCutTheGlyphsSelectedWithTheMouse) {
    // From the right end of the box to its left edge: all of "aef"; from between the ligature and
    // the letter typed first of "agh": the ligature alone.
    const std::string selectAll = "down 243 38\nmove 30 38\nup 30 38\nstate\n";
    const std::string selectLigature = "down 228 38\nmove 30 38\nup 30 38\nstate\n";
    std::string script = toFrm21 + openSearch;
    for (const char* key : {"Backspace", "Delete"})
        script += "type aef\n" + selectAll + "key " + key + "\nstate\n" + "type agh\n" + selectLigature + "key " +
                  key + "\nstate\nkey Backspace\n";
    const auto run = runTitle(script + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 8u);
    const auto& s = run.states;
    for (std::size_t i = 0; i < 8; i += 4) {
        const auto& all = *findControl(s[i], "me1");
        ASSERT_EQ(all["caption"], "293659");
        ASSERT_EQ(all["selStart"], 0);
        ASSERT_EQ(all["selLength"], 3);
        EXPECT_EQ(screen(s[i + 1])["text"], "") << i;
        const auto& ligature = *findControl(s[i + 2], "me1");
        ASSERT_EQ(ligature["caption"], "8959");
        ASSERT_EQ(ligature["selStart"], 0);
        ASSERT_EQ(ligature["selLength"], 1);
        EXPECT_EQ(screen(s[i + 3])["text"], "56") << i;  // the alef's letter alone, isolated
        EXPECT_EQ(screen(s[i + 3])["caret"], 0);
    }
}

TEST(SearchWindow, AKeyWithoutALetterShowsTheKeyMessageModallyAndTheTextStays) {
    const auto run = runTitle(toFrm21 + openSearch + "type f\ntype A\nwait 20\nstate\ntype t\nkey Backspace\n"
                              "wait 20\nkey Escape\nwait 20\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "Frm37");
    const auto* message = findWindow(s[0], "Frm37");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ((*message)["modal"], true);
    EXPECT_EQ((*message)["caption"], "VEMRA");
    EXPECT_EQ((*message)["width"], 199);
    EXPECT_EQ((*message)["left"], (640 - 199) / 2 + 3);
    EXPECT_EQ((*message)["top"], (480 + 220 - 100) / 2 + 22);

    // Keys typed while the message is up do not reach the search window.
    EXPECT_EQ(s[1]["active"], "sear");
    EXPECT_EQ(findWindow(s[1], "Frm37"), nullptr);
    EXPECT_EQ(screen(s[1])["text"], "28");  // beh alone
}

// A desktop keyboard set to Persian types the same glyphs as the title's keys: the letters go to the
// keys that type them, digits of every script to the digit keys, a letter no key types is dropped.
// Ctrl+C copies the box as Unicode text, Ctrl+V types the clipboard back, and neither key types.
TEST(SearchWindow, PersianCharactersTypeWithTheKeysThatTypeThemAndTheBoxCopiesAndPastes) {
    const std::string clear = "key End\nkey Backspace\nkey Backspace\nkey Backspace\nkey Backspace\n";
    const auto run = runTitle(toFrm21 + openSearch + "text \u0628\u0627\u0641\u06CC\nstate\nkey Ctrl+C\n" + clear +
                              "state\nkey Ctrl+V\nstate\n" + chooseRad2 + find + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_EQ(screen(s[0])["text"], wordHex);
    EXPECT_EQ(s[1]["clipboard"], "\u0628\u0627\u0641\u06CC");
    EXPECT_EQ(screen(s[1])["text"], "");
    EXPECT_EQ(screen(s[2])["text"], wordHex);
    EXPECT_EQ(screen(s[3])["listTop"], 1);  // found as when typed with fhtd
    EXPECT_EQ(s[3]["active"], "sear");

    // Heh with yeh above has no key, nor has the non-joiner: beh, then three digits of three scripts.
    const auto typed = runTitle(toFrm21 + openSearch + "type f123\nstate\n" + clear +
                                "text \u06C0\u0628\u200C\u06F12\u0663\nstate\nquit\n");
    ASSERT_EQ(typed.states.size(), 2u) << typed.errors;
    EXPECT_EQ(screen(typed.states[1])["text"], screen(typed.states[0])["text"]);
}

TEST(SearchWindow, TheButtonsShowTheirPressedLookOnlyWhileHeldAndCloseByButtonOrCloseBox) {
    const auto run = runTitle(toFrm21 + openSearch + "down 199 110\nstate\nup 199 110\nwait 20\nstate\n" +
                              "down 70 110\nstate\nmove 200 20\nup 200 20\nwait 20\nstate\n" +
                              "wait 600\nclick 70 110\nwait 50\nstate\n" + openSearch + "close\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u);
    const auto& s = run.states;
    EXPECT_TRUE(inFront(s[0], "Image2", "Image1"));
    EXPECT_FALSE(inFront(s[1], "Image2", "Image1"));
    EXPECT_TRUE(inFront(s[2], "Image3", "Image1"));
    EXPECT_FALSE(inFront(s[3], "Image3", "Image1"));  // released elsewhere: the look goes, the window stays
    EXPECT_EQ(s[3]["active"], "sear");
    EXPECT_EQ(s[4]["active"], "frm21");
    EXPECT_EQ(findWindow(s[4], "sear"), nullptr);
    EXPECT_EQ(s[5]["active"], "frm21");
    EXPECT_EQ(findWindow(s[5], "sear"), nullptr);
}

// A tree whose keyboard tables a test writes: the demo tree's data1 but for its folder "1".
class KeyboardTree {
public:
    KeyboardTree() {
        const fs::path demo = fs::path(test_paths::demoTree);
        for (const auto& entry : fs::directory_iterator(demo))
            if (entry.path().filename() != "data1") fs::create_symlink(entry.path(), dir_ / entry.path().filename());
        fs::create_directories(dir_ / "data1" / "1");
        for (const auto& entry : fs::directory_iterator(demo / "data1"))
            if (entry.path().filename() != "1") fs::create_symlink(entry.path(), dir_ / "data1" / entry.path().filename());
        for (const char* file : {"3.txt", "c1.txt", "c2.txt"})
            fs::copy_file(demo / "data1" / "1" / file, dir_ / "data1" / "1" / file);
    }
    void write(const std::string& file, const std::string& bytes) const {
        std::ofstream(dir_ / "data1" / "1" / file, std::ios::binary | std::ios::trunc) << bytes;
    }
    void remove(const std::string& file) const { fs::remove(dir_ / "data1" / "1" / file); }
    ScriptRun run(const std::string& script) const { return runTitle(script, dir_.path()); }

private:
    TempDir dir_;
};

// Values as 8-character fields.
std::string fields(std::initializer_list<long> values) {
    std::string text;
    for (long v : values) {
        const std::string digits = std::to_string(v);
        text += std::string(8 - digits.size(), ' ') + digits;
    }
    return text;
}

// A key table that is missing, has a bad field 45 or ends after 60 entries is reported when the
// window opens. The keys read before the failure type as on the whole table: `'` (entry 39) and
// `:` (entry 58) as far as they were read; every other key shows the key message.
TEST(SearchWindowKeyboard, ABrokenKeyTableIsReportedAndLeavesTheKeysReadBeforeTheBreakTyping) {
    std::ifstream demoKeys(fs::path(test_paths::demoTree) / "data1" / "1" / "3.txt", std::ios::binary);
    const std::string keys{std::istreambuf_iterator<char>(demoKeys), {}};
    ASSERT_EQ(keys.size(), 126u * 8 + 2);
    const struct {
        const char* name;
        std::optional<std::string> table;  // none: the file is missing
        std::size_t keysTyping;            // of ' : f
    } cases[] = {
        {"whole", keys, 3},
        {"missing", std::nullopt, 0},
        {"field 45", keys.substr(0, 44 * 8) + "   x1234" + keys.substr(45 * 8), 1},
        {"cut after 60", keys.substr(0, 60 * 8), 2},
    };
    std::vector<std::string> typedTexts;
    for (const auto& c : cases) {
        KeyboardTree tree;
        if (c.table) tree.write("3.txt", *c.table);
        else tree.remove("3.txt");
        const bool broken = c.keysTyping < 3;
        std::string script = toFrm21 + openSearch + "state\n" + (broken ? "key Enter\nwait 50\n" : "");
        for (std::size_t k = 0; k < 3; ++k)
            script += std::string("type ") + "':f"[k] + "\nwait 20\nstate\n" + (k >= c.keysTyping ? "key Escape\nwait 20\n" : "");
        const auto run = tree.run(script + "state\nquit\n");
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        ASSERT_EQ(run.states.size(), 5u) << c.name;
        const auto& s = run.states;
        ASSERT_EQ(s[0]["messageBoxes"].size(), broken ? 1u : 0u) << c.name;
        if (broken) {
            EXPECT_NE(s[0]["messageBoxes"][0]["text"].get<std::string>().find("3.txt"), std::string::npos);
        }
        for (std::size_t k = 0; k < 3; ++k) {
            const bool types = k < c.keysTyping;
            EXPECT_EQ(s[k + 1]["active"], types ? "sear" : "Frm37") << c.name << " key " << k;
            if (!broken) {
                typedTexts.push_back(screen(s[k + 1])["text"]);
                EXPECT_NE(typedTexts[k], k == 0 ? "" : typedTexts[k - 1]) << "each key types a letter";
            } else if (types) {
                EXPECT_EQ(screen(s[k + 1])["text"], typedTexts[k]) << c.name << " key " << k;
            }
        }
        EXPECT_EQ(s[4]["active"], "sear");
        EXPECT_EQ(screen(s[4])["text"], c.keysTyping == 0 ? "" : typedTexts[c.keysTyping - 1]) << c.name;
    }
}

TEST(SearchWindowKeyboard, RecordsThatPointPastTheCodesShowTheMessageAndBadSpansTypeNothing) {
    KeyboardTree tree;
    std::string keys;
    for (int c = 1; c <= 126; ++c) keys += fields({c == 'f' ? 2 : c == 'g' ? 3 : c == 'h' ? 4 : 1});
    tree.write("3.txt", keys);
    // Record 1 one code, 2 indexes past the end of the codes, 3 last before first, 4 three codes.
    tree.write("c2.txt", fields({0, 0, 1, 1, 50, 53, 2, 1, 1, 3}));
    tree.write("c1.txt", fields({0, 40}));
    const auto run = tree.run(toFrm21 + openSearch + "type a\nstate\ntype f\nwait 20\nstate\nkey Escape\nwait 20\n"
                              "type gh\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_TRUE(s[0]["messageBoxes"].empty());
    EXPECT_EQ(screen(s[0])["text"], "28");
    EXPECT_EQ(s[1]["active"], "Frm37");
    EXPECT_EQ(s[2]["active"], "sear");
    EXPECT_EQ(screen(s[2])["text"], "28");
}

}  // namespace
