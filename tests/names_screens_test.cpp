// The "about the center" screen, the rolling names, the "About the Program" picture, driven
// headless from the main menu.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "content/content_source.h"
#include "content/text_readers.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "platform/ui/hex.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

const std::string toFrm14 = "click 580 70\nwait 50\n";
const std::string toFrm32 = toFrm14 + "move 50 30\nclick 50 30\nwait 50\n";

const char* const rowOrder[] = {"Label7", "Label2", "Label3", "Label4", "Label5", "Label6"};

std::vector<std::string> demoNames() {
    content::setContentRoot(test_paths::demoTree);
    std::vector<std::string> hex;
    for (const auto& line : content::loadLines("data2\\qem0040.dat")) hex.push_back(ui::hexBytes(line));
    return hex;
}

TEST(AboutCenter, ItsButtonAndExitLightUnderTheMouseAndTheButtonOpensTheNames) {
    const auto run = runTitle(toFrm14 + "wait 100\nstate\nmove 50 30\nstate\nmove 300 200\nstate\nmove 600 440\nstate\n" +
                              "move 300 200\nstate\nmove 50 30\nclick 50 30\nwait 50\nstate\nkey Escape\nwait 50\nstate\n" +
                              "move 600 440\nclick 600 440\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 8u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "Frm14");
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data1\\12.dat");
    EXPECT_EQ(s[0]["devices"]["shared"]["mode"], 2);
    EXPECT_EQ(s[1]["screen"]["namesLit"], 1);
    EXPECT_TRUE(inFront(s[1], "Image3", "Image1"));
    EXPECT_EQ(s[2]["screen"]["namesLit"], 0);
    EXPECT_FALSE(inFront(s[2], "Image3", "Image1"));
    EXPECT_EQ(s[3]["screen"]["exitLit"], 1);
    EXPECT_TRUE(inFront(s[3], "m2", "Image1"));
    EXPECT_EQ(s[4]["screen"]["exitLit"], 0);

    EXPECT_EQ(s[5]["active"], "frm32");
    const auto* names = findWindow(s[5], "frm32");
    ASSERT_NE(names, nullptr);
    EXPECT_EQ((*names)["modal"], false);
    EXPECT_EQ(s[6]["active"], "Frm14");  // Escape leaves the names
    EXPECT_EQ(findWindow(s[6], "frm32"), nullptr);
    EXPECT_EQ(s[6]["screen"]["namesLit"], 0);  // the button went out when the names opened
    EXPECT_FALSE(inFront(s[6], "Image3", "Image1"));
    EXPECT_EQ(s[7]["active"], "frm1");
    EXPECT_EQ(findWindow(s[7], "Frm14"), nullptr);
}

TEST(NamesScreen, NamesRollTwoPixelsPerTickAndTheTopRowReturnsAtTheBottomWithTheNextName) {
    const auto names = demoNames();
    ASSERT_EQ(names.size(), 20u);
    const auto run = runTitle(toFrm32 + "state\nwait 100\nstate\nwait 1100\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["namesEnd"], 13);
    for (int r = 0; r < 6; ++r) EXPECT_EQ((*findControl(s[0], rowOrder[r]))["caption"], names[std::size_t(r)]);
    const int top0 = (*findControl(s[0], "Label7"))["top"];
    const int top1 = (*findControl(s[1], "Label7"))["top"];
    EXPECT_EQ(top0 - top1, 4);  // 2 pixels every 50 ms

    // By now the first row has left the panel (45 pixels high) and stands at the bottom.
    EXPECT_EQ(s[2]["screen"]["namesTop"], 1);
    EXPECT_EQ(s[2]["screen"]["nameRows"][5], "Label7");
    EXPECT_EQ((*findControl(s[2], "Label7"))["caption"], names[6]);
    EXPECT_EQ((*findControl(s[2], "Label2"))["caption"], names[1]);
}

TEST(NamesScreen, ATwentyLineListCyclesNamesTopFromZeroToTwelveAndNeverShowsItsLastTwoLines) {
    const auto names = demoNames();
    std::string script = toFrm32;
    for (int i = 0; i < 70; ++i) script += "wait 500\nstate\n";
    const auto run = runTitle(script + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    std::set<int> tops;
    bool wrapped = false;
    int previous = 0;
    for (const auto& state : run.states) {
        const int top = state["screen"]["namesTop"];
        tops.insert(top);
        if (top < previous) wrapped = true;
        previous = top;
        for (const char* row : rowOrder) {
            const std::string caption = (*findControl(state, row))["caption"];
            EXPECT_NE(caption, names[18]);
            EXPECT_NE(caption, names[19]);
        }
    }
    EXPECT_EQ(*tops.rbegin(), 12);
    EXPECT_TRUE(wrapped);
}

TEST(NamesScreen, AShortListRollsRoundWithOneEmptyRowBetweenItsEndAndItsStart) {
    TextTree tree;
    const auto lines = glyphLines(3, 6, 4);
    tree.writeLines("data2\\qem0040.dat", lines);
    std::string script = toFrm32 + "state\n";
    for (int i = 0; i < 30; ++i) script += "wait 500\nstate\n";
    const auto run = tree.run(script + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 31u);
    const std::vector<std::string> expected = {ui::hexBytes(lines[0]), ui::hexBytes(lines[1]), ui::hexBytes(lines[2]),
                                               "", ui::hexBytes(lines[0]), ui::hexBytes(lines[1])};
    for (int r = 0; r < 6; ++r) EXPECT_EQ((*findControl(run.states[0], rowOrder[r]))["caption"], expected[std::size_t(r)]);
    std::set<int> tops;
    for (const auto& state : run.states) {
        tops.insert(state["screen"]["namesTop"].get<int>());
        int shown = 0;  // names inside the panel (its top at 231 in the window)
        for (const char* row : rowOrder) {
            const auto& c = *findControl(state, row);
            const int top = c["top"].get<int>() - 231;
            if (c["caption"] != "" && top < 228 && top > -45) ++shown;
        }
        EXPECT_GE(shown, 2);
    }
    EXPECT_EQ(tops, (std::set<int>{0, 1, 2, 3}));
}

TEST(NamesScreen, ItsExitLightsOverTheCornerGoesOutOverTheBackgroundAndLeadsBackToFrm14) {
    const auto run = runTitle(toFrm32 + "move 600 440\nstate\nmove 100 150\nstate\nmove 600 440\nclick 600 440\n"
                              "wait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    EXPECT_TRUE(inFront(run.states[0], "m2", "Image1"));
    EXPECT_FALSE(inFront(run.states[1], "m2", "Image1"));
    EXPECT_EQ(run.states[2]["active"], "Frm14");
    EXPECT_EQ(findWindow(run.states[2], "frm32"), nullptr);
    EXPECT_EQ(run.states[2]["devices"]["shared"]["file"], "data1\\12.dat");  // Frm14's music never stopped
}

TEST(NamesScreen, AMissingNamesListIsReportedAndTheScreenRollsEmptyRows) {
    TextTree tree;  // no data2\qem0040.dat
    const auto run = tree.run(toFrm14 + "move 50 30\nclick 50 30\nstate\nkey Enter\nwait 3000\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    ASSERT_EQ(run.states[0]["messageBoxes"].size(), 1u);
    EXPECT_NE(run.states[0]["messageBoxes"][0]["text"].get<std::string>().find("qem0040"), std::string::npos);
    EXPECT_EQ(run.states[1]["active"], "frm32");
    for (const char* row : rowOrder) EXPECT_EQ((*findControl(run.states[1], row))["caption"], "");
}

TEST(NamesScreen, TheStripMovesOnePixelRightPerTickFromItsLastColumnsAndWrapsPastColumnZero) {
    TempDir dir;
    // Two ticks from the start, then four around the wrap, some 3,950 ticks later.
    std::vector<std::string> shots;
    std::string script = toFrm32;
    for (int i = 0; i < 6; ++i) {
        shots.push_back((dir / (std::to_string(i) + ".png")).string());
        script += (i == 0 ? "" : i == 2 ? "wait 197550\n" : "wait 50\n") + std::string("shot ") + shots.back() + "\nstate\n";
    }
    const auto run = runTitle(script + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u);
    const gfx::Bitmap strip = gfx::readBmp(fs::path(test_paths::demoTree) / "art" / "frm32" / "m1.bmp");
    ASSERT_EQ(strip.width(), 4264);
    const auto* names = findWindow(run.states[0], "frm32");
    const int left = (*names)["left"].get<int>() + 216, top = (*names)["top"].get<int>() + 61;
    const auto stripPos = [&](std::size_t i) { return run.states[i]["screen"]["stripPos"].get<int>(); };
    // The shots are taken after the tick of that moment: the first shows columns 3954 … 4263
    // once the screen has been up for 50 ms or more, one column further back per tick. Below
    // column 1 the columns go on from 4263 down.
    EXPECT_EQ(stripPos(0), 4263);
    EXPECT_EQ(stripPos(2), 311);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        if (i != 0 && i != 2) {
            EXPECT_EQ(stripPos(i), stripPos(i - 1) - 1) << i;
        }
        const gfx::Bitmap shot = gfx::readPng(shots[i]);
        for (int d = 0; d < 310; d += 3) {
            const int column = stripPos(i) - 309 + d;
            for (int y = 0; y < 108; y += 9)
                ASSERT_EQ(shot.pixel(left + d, top + y), strip.pixel(column > 0 ? column : column + 4263, y))
                    << "shot " << i << " column " << d;
        }
    }
}

TEST(AboutProgram, TheMainMenuShowsItModallyAndAClickOrEscapeClosesIt) {
    const auto run = runTitle("move 60 40\nclick 60 40\nwait 50\nmove 300 201\nstate\nclick 300 200\nwait 50\nstate\n"
                              "wait 600\nclick 60 40\nwait 50\nkey Escape\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm15");
    const auto* about = findWindow(s[0], "frm15");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ((*about)["modal"], true);
    EXPECT_EQ((*about)["left"], (640 - 590) / 2);
    EXPECT_EQ((*about)["top"], (480 - 355) / 2);
    EXPECT_EQ(s[0]["cursor"], 5);
    EXPECT_EQ(s[1]["active"], "frm1");
    EXPECT_EQ(findWindow(s[1], "frm15"), nullptr);
    EXPECT_EQ(s[2]["active"], "frm1");
    EXPECT_EQ(findWindow(s[2], "frm15"), nullptr);
}

}  // namespace
