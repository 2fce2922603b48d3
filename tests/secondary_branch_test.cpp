// The secondary menus and their reading screens on the demo tree, driven headless.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/gfx/png.h"
#include "scenario_support.h"
#include "text_tree_support.h"

using namespace vemra;
using vemra::testing::differingArea;
using vemra::testing::findControl;
using vemra::testing::pixelsOf;
using vemra::testing::runTitle;
using vemra::testing::TempDir;

namespace {

const std::string toSecondaryMenu = "wait 2000\nclick 200 432\nwait 1100\n";
const gfx::Rect lab2{20, 65, 346, 28};
const gfx::Rect lab3{22, 93, 464, 28};
const gfx::Color yellow{255, 255, 0};
const gfx::Color overlayGrey{74, 74, 74};

}  // namespace

TEST(SecondaryMenu, OneItemIsLitAtATimeAndEachItemSetsTheKindItsScreenShows) {
    TempDir dir;
    const auto shot = [&](const char* name) { return "shot " + (dir / name).string() + "\n"; };
    std::string script = toSecondaryMenu + "move 40 80\n" + shot("lab2.png") + "move 40 100\n" + shot("lab3.png") +
                         "move 600 200\n" + shot("none.png");
    // Lab1 sets kind 1; the sub-menu keeps it; its rows set 9, 10 and 11; Lab4 and Lab6 open the
    // title list with kinds 0 and 12.
    script += "click 40 45\nwait 1100\nkey Escape\nwait 300\nclick 40 160\nwait 1100\nstate\n";
    for (const char* row : {"100 150", "100 190", "130 230"}) script += std::string("click ") + row + "\nwait 1100\nstate\nkey Escape\nwait 300\n";
    script += "key Escape\nwait 300\nclick 40 130\nwait 1100\nstate\nkey Escape\nwait 300\nclick 40 185\nwait 1100\nstate\nquit\n";
    const auto run = runTitle(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u) << run.errors;

    const auto none = gfx::readPng(dir / "none.png");
    const auto litLab2 = gfx::readPng(dir / "lab2.png");
    const auto litLab3 = gfx::readPng(dir / "lab3.png");
    EXPECT_EQ(differingArea(none, litLab2), lab2);
    EXPECT_EQ(differingArea(none, litLab3), lab3);  // Lab2 lost its light when the mouse went on

    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm34");
    EXPECT_EQ(s[0]["vars"]["selectedKind"], 1);
    for (int i : {1, 2, 3}) {
        EXPECT_EQ(s[std::size_t(i)]["active"], "frm36");
        EXPECT_EQ(s[std::size_t(i)]["vars"]["selectedKind"], 8 + i);
    }
    EXPECT_EQ(s[4]["active"], "frm35");
    EXPECT_EQ(s[4]["vars"]["selectedKind"], 0);
    EXPECT_EQ(s[5]["vars"]["selectedKind"], 12);
    EXPECT_EQ(s[5]["screen"]["titleCount"], 12);
}

TEST(SecondaryTextScreen, ShortAndLongTextsStopTheirArrowsAtTheirEnds) {
    TempDir dir;
    // Kind 1 has 4 lines, kind 2 has 25; the text arrows stand at the left edge.
    std::string script = toSecondaryMenu + "click 40 45\nwait 1100\nshot " + (dir / "short.png").string() +
                         "\nclick 60 375\nwait 50\nstate\nkey Escape\nwait 300\nclick 40 73\nwait 1100\n";
    for (int i = 0; i < 20; ++i) script += "click 60 375\nwait 600\n";  // apart, not double clicks
    script += "state\nclick 60 120\nwait 20\nstate\nquit\n";
    const auto run = runTitle(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u) << run.errors;
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["textLines"], 4);
    EXPECT_EQ(s[0]["screen"]["textTop"], 0);
    EXPECT_EQ(s[1]["screen"]["textLines"], 25);
    EXPECT_EQ(s[1]["screen"]["textTop"], 15);
    EXPECT_EQ(s[2]["screen"]["textTop"], 14);
    // Rows 0–3 of lmtn (81, 114) hold text, rows 4–10 only the background.
    const auto shortText = gfx::readPng(dir / "short.png");
    EXPECT_GT(pixelsOf(shortText, {81, 119, 478, 100}, yellow), 0);
    EXPECT_EQ(pixelsOf(shortText, {81, 219, 478, 166}, yellow), 0);
}

TEST(SecondaryTextScreen, TheQuestionListDashesItsTitlesAndShowsAWideTitleWholeOnAGreyBox) {
    vemra::testing::DemoTreeWithout tree("data2\\qem0141.dat");
    std::ofstream(tree.path() / "data2" / "qem0141.dat", std::ios::binary) << "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n";
    TempDir dir;
    const auto shot = [&](const char* name) { return "shot " + (dir / name).string() + "\n"; };
    // Entry 1 opens its text; the fourth title is wider than its row.
    const auto run = runTitle(toSecondaryMenu + "click 40 130\nwait 1100\nclick 100 167\nwait 100\n" + shot("before.png") +
                                  "move 100 257\nwait 50\nstate\n" + shot("whole.png") + "move 400 200\nwait 50\nstate\n" +
                                  shot("after.png") + "move 100 257\nwait 50\ndeactivate\nwait 200\nactivate\nwait 200\n" +
                                  "state\nquit\n",
                              tree.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u) << run.errors;
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["textLines"], 7);
    // Coming back from another application parks the box and keeps the marked entry.
    EXPECT_EQ(s[2]["screen"]["fullTitle"], nullptr);
    EXPECT_EQ(s[2]["screen"]["markedEntry"], 1);
    EXPECT_EQ(s[0]["screen"]["fullTitle"], 4);
    EXPECT_EQ(s[1]["screen"]["fullTitle"], nullptr);
    for (const char* row : {"Label2", "Label5", "Label9"})
        EXPECT_EQ((*findControl(s[0], row))["caption"].get<std::string>().substr(0, 4), "2d20") << row;

    const gfx::Rect beyondRow{227, 242, 413, 30};
    EXPECT_GT(pixelsOf(gfx::readPng(dir / "whole.png"), beyondRow, overlayGrey), 100);
    const auto after = gfx::readPng(dir / "after.png");
    EXPECT_EQ(pixelsOf(after, beyondRow, overlayGrey), 0);
    // The text under the box is drawn again as it was.
    EXPECT_EQ(differingArea(gfx::readPng(dir / "before.png"), after, gfx::Rect{0, 130, 640, 350}), gfx::Rect{});
}

// Titles 4 and 8 are wider than their rows and entry 1 has a text of 20 lines: however the text
// scrolls under a title's grey box, not a pixel of the box changes.
TEST(SecondaryTextScreen, TheGreyBoxStaysAboveTheTextWhileTheTextScrolls) {
    const vemra::testing::DemoTreeWithout tree({"data2\\qem0141.dat", "data2\\qem0151.dat"});
    const auto write = [&](const char* file, const std::vector<std::string>& lines) {
        std::ofstream out(tree.path() / "data2" / file, std::ios::binary);
        for (const auto& line : lines) out << line << "\r\n";
    };
    std::vector<std::string> titles = vemra::testing::glyphLines(8, 6, 1);
    titles[3] = vemra::testing::glyphLine(40, 4);
    titles[7] = vemra::testing::glyphLine(40, 8);
    write("qem0151.dat", titles);
    write("qem0141.dat", vemra::testing::glyphLines(20, 40, 2));
    TempDir dir;
    const auto shot = [&](const std::string& name) { return "shot " + (dir / (name + ".png")).string() + "\n"; };
    const std::string downArrow = "262 406\n", upArrow = "264 96\n";
    std::string script = toSecondaryMenu + "click 40 130\nwait 1100\nclick 100 167\nwait 100\nmove 100 257\nwait 50\n" +
                         "state\n" + shot("row4") + "click " + downArrow + "wait 600\nstate\n" + shot("clicked") +
                         "down " + downArrow + "wait 1000\nup " + downArrow + "wait 50\nstate\n" + shot("held") +
                         "click " + upArrow + "wait 50\nstate\n" + shot("up");
    // Along the last row and down onto the text's down arrow, never leaving the row or its box.
    script += "move 100 377\nwait 50\n";
    for (int x = 104; x <= 262; x += 4) script += "move " + std::to_string(x) + " 377\n";
    for (int y = 380; y <= 406; y += 2) script += "move 262 " + std::to_string(y) + "\n";
    script += "wait 50\nstate\n" + shot("row8") + "click " + downArrow + "wait 50\nstate\n" + shot("row8clicked") + "quit\n";
    const auto run = runTitle(script, tree.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u) << run.errors;
    const auto& s = run.states;
    const auto textTop = [&](std::size_t i) { return s[i]["screen"]["textTop"].get<int>(); };
    EXPECT_EQ(s[0]["screen"]["fullTitle"], 4);
    EXPECT_EQ(textTop(1), 1);
    EXPECT_GT(textTop(2), 3);  // repeated while held
    EXPECT_EQ(textTop(3), textTop(2) - 1);
    EXPECT_EQ(s[4]["screen"]["fullTitle"], 8);
    EXPECT_EQ(textTop(5), textTop(4) + 1);

    const auto boxOf = [&](std::size_t i) {
        const auto& box = *findControl(s[i], "labcamov");
        return gfx::Rect{box["left"], box["top"], box["width"], box["height"]};
    };
    const gfx::Rect textArea{248, 111, 367, 274};
    ASSERT_GT(boxOf(0).right(), textArea.left + 50);  // a wide part of the box lies over the text
    const auto row4 = gfx::readPng(dir / "row4.png");
    for (const char* after : {"clicked", "held", "up"}) {
        const auto shotAfter = gfx::readPng(dir / (std::string(after) + ".png"));
        EXPECT_NE(differingArea(row4, shotAfter, textArea), gfx::Rect{}) << after;  // the text moved
        EXPECT_EQ(differingArea(row4, shotAfter, boxOf(0)), gfx::Rect{}) << after;
    }
    const auto row8 = gfx::readPng(dir / "row8.png"), row8Clicked = gfx::readPng(dir / "row8clicked.png");
    EXPECT_GT(pixelsOf(row8, boxOf(4).intersected(textArea), overlayGrey), 0);
    EXPECT_EQ(differingArea(row8, row8Clicked, boxOf(4)), gfx::Rect{});
}
