// The title and text reading screen on content trees written for each case, driven headless.
#include <gtest/gtest.h>

#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

const std::string openReader = "click 460 70\nwait 50\n";
constexpr int titleTops[] = {158, 188, 218, 248, 278, 308, 337, 366};
std::string rowClick(int r) { return "click 510 " + std::to_string(titleTops[r] + 15) + "\nwait 600\n"; }
gfx::Rect titleRow(int r) { return {423, titleTops[r], 173, 30}; }
const std::string titlesDown = "click 615 384\nwait 600\n";
std::string holdTitles(bool down, int ms) {
    const std::string at = down ? "615 384" : "614 191";
    return "down " + at + "\nwait " + std::to_string(ms) + "\nup " + at + "\nwait 600\n";
}
const std::string holdTextDown = "down 375 433\nwait 3000\nup 375 433\nwait 600\n";

// The text area lmtn in window coordinates and its rows.
constexpr gfx::Rect textArea{23, 140, 364, 274};
constexpr gfx::Point panelOrigin{12, 110};
int rowTop(int r) { return textArea.top + 5 + 32 * r; }

}  // namespace

TEST(TitleTextScreen, EightTitlesScrollByOneLineAndSevenDoNotScroll) {
    for (const int count : {8, 7}) {
        TextTree tree;
        writeReadings(tree, glyphLines(count, 6, 1), std::vector(std::size_t(count), glyphLines(3, 8, 2)));
        const auto run = tree.run(openReader + "state\n" + titlesDown + "state\n" + titlesDown + "state\nquit\n");
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        ASSERT_EQ(run.states.size(), 3u);
        EXPECT_EQ(run.states[0]["active"], "frm18");
        EXPECT_EQ(run.states[0]["vars"]["animationSet"], 18);
        EXPECT_EQ(run.states[0]["devices"]["shared"]["file"], "data1\\02.dat");
        EXPECT_EQ(run.states[0]["screen"]["titleCount"], count);
        EXPECT_EQ(run.states[1]["vars"]["listTop"], count == 8 ? 1 : 0) << count;
        EXPECT_EQ(run.states[2]["vars"]["listTop"], count == 8 ? 1 : 0) << count;
        EXPECT_FALSE((*findControl(run.states[2], "Label9"))["visible"]) << count;
    }
}

TEST(TitleTextScreen, TheMarkedTitleIsRedWheneverItIsInView) {
    TextTree tree;
    writeReadings(tree, glyphLines(20, 6, 1), std::vector(20, glyphLines(3, 8, 2)));
    const auto run = tree.run(openReader + "shot " + tree.shotPath("opened") + "\n" + rowClick(4) + "state\nshot " +
                              tree.shotPath("marked") + "\n" + holdTitles(true, 1100) + "state\nshot " +
                              tree.shotPath("away") + "\n" + holdTitles(false, 1100) + "state\nshot " +
                              tree.shotPath("back") +
                              "\ndeactivate\nwait 150\nstate\nactivate\nwait 150\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    EXPECT_EQ(run.states[3]["screen"]["activated"], false);  // the re-activation watch
    EXPECT_EQ(run.states[4]["screen"]["activated"], true);
    EXPECT_EQ(run.states[0]["screen"]["markedEntry"], 5);
    EXPECT_EQ(run.states[0]["screen"]["markedRow"], "Label6");
    EXPECT_EQ(run.states[1]["vars"]["listTop"], 8);
    EXPECT_TRUE(run.states[1]["screen"]["markedRow"].is_null());
    EXPECT_EQ(run.states[2]["vars"]["listTop"], 0);
    EXPECT_EQ(run.states[2]["screen"]["markedRow"], "Label6");

    constexpr gfx::Color yellow{255, 255, 0}, red{255, 0, 0};
    const gfx::Bitmap opened = tree.shot("opened"), marked = tree.shot("marked"), away = tree.shot("away"),
                      back = tree.shot("back");
    for (int r = 0; r < 8; ++r) {
        EXPECT_GT(pixelsOf(opened, titleRow(r), yellow), 0) << r;  // every title is drawn when the screen opens
        EXPECT_EQ(pixelsOf(marked, titleRow(r), red) > 0, r == 4) << r;
        EXPECT_EQ(pixelsOf(away, titleRow(r), red), 0) << r;
        EXPECT_EQ(pixelsOf(back, titleRow(r), red) > 0, r == 4) << r;
    }
}

TEST(TitleTextScreen, ShortTextsLeaveNoTraceOfLongerOnesWhichStopAtTheirLastEightLines) {
    TextTree tree;
    tree.writePicture("art\\frm18\\Image1.bmp", patterned(387, 334));
    writeReadings(tree, glyphLines(3, 6, 1), {glyphLines(20, 8, 2), glyphLines(3, 8, 3), glyphLines(9, 8, 4)});
    const auto run = tree.run(openReader + rowClick(0) + holdTextDown + "state\nshot " + tree.shotPath("long") + "\n" +
                              rowClick(1) + "state\nshot " + tree.shotPath("short") + "\nclick 375 433\nwait 600\n" +
                              "state\nclick 200 60\nwait 50\nstate\nkey Escape\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["textTop"], 12);  // lines 12 to 19 fill the eight rows
    EXPECT_EQ(s[1]["screen"]["markedEntry"], 2);
    EXPECT_EQ(s[1]["screen"]["textTop"], 0);
    EXPECT_EQ(s[1]["screen"]["textMaxTop"], 0);
    EXPECT_EQ(s[2]["screen"]["textTop"], 0);
    EXPECT_FALSE((*findControl(s[3], "Panel1"))["visible"]);
    EXPECT_EQ(s[4]["active"], "frm1");
    EXPECT_EQ(s[4]["devices"]["shared"]["file"], "data1\\01.dat");

    const gfx::Bitmap longText = tree.shot("long"), shortText = tree.shot("short");
    auto ink = [](const gfx::Bitmap& shot, int fromRow, int toRow) {
        const auto rows = gfx::Rect::fromEdges(textArea.left, rowTop(fromRow), textArea.right(), rowTop(toRow + 1));
        return inkOver(shot, rows.intersected(textArea), patterned(387, 334), panelOrigin);
    };
    const gfx::Rect firstRow{textArea.left, rowTop(0), textArea.width, 32};
    EXPECT_GT(pixelsOf(longText, firstRow, gfx::Color{255, 255, 255}), 0);  // white glyphs over a black shadow
    EXPECT_GT(pixelsOf(longText, firstRow, gfx::Color{0, 0, 0}), 0);
    EXPECT_FALSE(ink(longText, 7, 7).empty());
    EXPECT_FALSE(ink(shortText, 2, 2).empty());
    EXPECT_EQ(ink(shortText, 3, 8), gfx::Rect{});
}

TEST(TitleTextScreen, WithoutItsTextPoolTheScreenReportsTheFileAndOffersOnlyTheWayBack) {
    TextTree tree;
    writeReadings(tree, glyphLines(5, 6, 1), std::vector(5, glyphLines(3, 8, 2)));
    tree.remove("data2\\qem0017.dat");
    const auto run = tree.run(openReader + "state\nkey Escape\nwait 50\nstate\n" + rowClick(0) + titlesDown +
                              "state\nkey Escape\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    ASSERT_EQ(s[0]["messageBoxes"].size(), 1u);
    EXPECT_NE(std::string(s[0]["messageBoxes"][0]["text"]).find("data2\\qem0017.dat"), std::string::npos);
    EXPECT_EQ(s[1]["active"], "frm18");
    EXPECT_EQ(s[1]["screen"]["titleCount"], 0);
    EXPECT_EQ(s[2]["screen"]["markedEntry"], 0);
    EXPECT_EQ(s[2]["vars"]["listTop"], 0);
    for (const char* row : {"Label2", "Label3", "Label9"}) EXPECT_FALSE((*findControl(s[2], row))["visible"]);
    EXPECT_FALSE((*findControl(s[2], "Panel1"))["visible"]);
    EXPECT_EQ(s[3]["active"], "frm1");
}
