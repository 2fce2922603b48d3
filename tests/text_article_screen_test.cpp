// The article screen on content trees written for each case, driven headless.
#include <gtest/gtest.h>

#include <filesystem>

#include "kit/pe_writer.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

const std::string openFirstArticle =
    "click 380 130\nwait 50\nclick 500 125\nwait 50\nclick 530 185\nwait 50\nclick 500 124\nwait 600\n";
const std::string openSecondArticle = "key Escape\nwait 50\nclick 500 154\nwait 600\n";

std::string partClick(int k) { return "click 540 " + std::to_string(222 + (k - 1) * 46) + "\nwait 600\n"; }
const std::string lineDown = "click 450 410\nwait 600\n";
const std::string holdLineDown = "down 450 410\nwait 3000\nup 450 410\nwait 600\n";

// The text area l7 in window coordinates, its rows and the right edge its lines end at.
constexpr gfx::Rect textArea{33, 176, 393, 240};
constexpr gfx::Point panelOrigin{17, 158};
int rowTop(int r) { return textArea.top + 5 + 32 * r; }
constexpr int lineEnd = textArea.left + textArea.width - 5;

bool enabled(const nlohmann::json& state, const char* control) { return (*findControl(state, control))["enabled"]; }
bool panelShown(const nlohmann::json& state) { return (*findControl(state, "Panel1"))["visible"]; }

// Where rows from..to differ from the panel background.
gfx::Rect inkIn(const gfx::Bitmap& shot, int fromRow, int toRow) {
    const gfx::Rect rows = gfx::Rect::fromEdges(textArea.left, rowTop(fromRow), textArea.right(), rowTop(toRow + 1));
    return inkOver(shot, rows.intersected(textArea), patterned(451, 275), panelOrigin);
}

}  // namespace

TEST(ArticleScreen, PartsShorterThanFifteenCharactersCannotBePicked) {
    TextTree tree;
    writeStandardArticles(tree);
    const auto run = tree.run(openFirstArticle + "state\n" + partClick(3) + "state\n" + partClick(2) + "state\n" +
                              openSecondArticle + "state\n" + partClick(3) + "state\n" +
                              "deactivate\nwait 150\nstate\nactivate\nwait 150\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 7u);
    const auto& s = run.states;
    // Article 34: parts 3 and 4 of 14 and 2 characters.
    EXPECT_EQ(s[0]["active"], "frm19");
    EXPECT_TRUE(enabled(s[0], "imgg1") && enabled(s[0], "imgg2"));
    EXPECT_FALSE(enabled(s[0], "imgg3") || enabled(s[0], "imgg4"));
    EXPECT_FALSE(panelShown(s[0]));
    EXPECT_EQ(s[1]["screen"]["pressedPart"], 0);
    EXPECT_FALSE(panelShown(s[1]));
    EXPECT_EQ(s[2]["screen"]["pressedPart"], 2);
    EXPECT_EQ(s[2]["screen"]["partLines"], 20);
    EXPECT_TRUE(panelShown(s[2]));
    // Article 33: part 3 of exactly 15 characters can be picked, part 4 of 14 cannot.
    EXPECT_TRUE(enabled(s[3], "imgg3"));
    EXPECT_FALSE(enabled(s[3], "imgg4"));
    EXPECT_EQ(s[4]["screen"]["pressedPart"], 3);
    EXPECT_EQ(s[4]["screen"]["partLines"], 1);
    // Switching to another program and back runs the activation again.
    EXPECT_EQ(s[5]["screen"]["activated"], false);
    EXPECT_EQ(s[6]["screen"]["activated"], true);
    EXPECT_LE(int(s[6]["vars"]["animationFrame"]), 2);
}

TEST(ArticleScreen, PartsScrollToTheirLastSevenLinesAndShortPartsLeaveNoTraceOfLongerOnes) {
    TextTree tree;
    writeStandardArticles(tree);
    tree.writePicture("art\\frm19\\Image2.bmp", patterned(451, 275));
    tree.writePicture("art\\frm19\\Image1.bmp", gfx::Bitmap(128, 179, gfx::Color{0, 160, 0}));
    const auto run = tree.run(openFirstArticle + partClick(2) + holdLineDown + "state\nshot " + tree.shotPath("end") +
                              "\n" + partClick(2) + "state\n" + partClick(1) + "state\nshot " + tree.shotPath("short") +
                              "\n" + lineDown + "state\nclick 300 60\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["textTop"], 13);  // lines 13 to 19 fill the seven rows
    EXPECT_EQ(s[0]["screen"]["textMaxTop"], 13);
    EXPECT_EQ(s[1]["screen"]["textTop"], 0);  // the pressed button again: its part from the first line
    EXPECT_EQ(s[1]["screen"]["pressedPart"], 2);
    EXPECT_EQ(s[2]["screen"]["partLines"], 4);
    EXPECT_EQ(s[2]["screen"]["textMaxTop"], -3);
    EXPECT_EQ(s[3]["screen"]["textTop"], 0);  // a part of four lines does not scroll
    EXPECT_FALSE(panelShown(s[4]));           // a click on the background hides the panel

    const gfx::Bitmap end = tree.shot("end"), shortPart = tree.shot("short");
    constexpr gfx::Pixel lit = gfx::Color{0, 160, 0}.pixel();
    EXPECT_EQ(end.pixel(540, 268), lit);  // the pressed button shows its lit look
    EXPECT_NE(end.pixel(540, 222), lit);
    EXPECT_EQ(shortPart.pixel(540, 222), lit);
    EXPECT_NE(shortPart.pixel(540, 268), lit);
    for (int r = 1; r < 7; ++r) EXPECT_FALSE(inkIn(end, r, r).empty()) << r;
    // The four lines of part 1 are drawn; the rows below them show the panel background alone.
    for (int r = 1; r < 4; ++r) EXPECT_FALSE(inkIn(shortPart, r, r).empty()) << r;
    EXPECT_EQ(inkIn(shortPart, 4, 7), gfx::Rect{});
    // Its first line holds marks alone: each is drawn at the right edge, none moves the pen.
    const gfx::Rect marks = inkIn(shortPart, 0, 0);
    EXPECT_FALSE(marks.empty());
    EXPECT_GE(marks.left, lineEnd);
}

TEST(ArticleScreen, SectionsOneToFourTakeTheirArtworkFromThePictureModule) {
    TextTree tree;
    writeStandardArticles(tree);
    kit::ResourceModuleWriter module;
    module.addBitmap("a21", gfx::Bitmap(639, 478, gfx::Color{200, 0, 200}));
    module.addBitmap("a23", gfx::Bitmap(149, 80, gfx::Color{0, 200, 200}));
    std::filesystem::create_directories(tree.path() / "data3");
    module.write(tree.path() / "data3" / "qem006.dat");
    const auto run = tree.run(
        "click 380 130\nwait 50\nclick 500 125\nwait 50\nclick 530 300\nwait 50\nclick 450 140\nwait 600\nstate\n"
        "shot " + tree.shotPath("article") + "\nclose\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& article = run.states[0];
    EXPECT_EQ(article["active"], "frm19");
    EXPECT_EQ(article["vars"]["selectedKind"], 2);
    EXPECT_EQ(article["vars"]["animationSet"], 10);
    const auto& exitLook = *findControl(article, "m5");
    EXPECT_EQ(exitLook["left"], 490);  // one pixel left, and for sections 2 and 3 one down
    EXPECT_EQ(exitLook["top"], 401);
    EXPECT_EQ(tree.shot("article").pixel(300, 60), (gfx::Color{200, 0, 200}.pixel()));
    // The exit goes back to the list that opened the article, leaving the corner animation on.
    EXPECT_EQ(run.states[1]["active"], "frm21");
    EXPECT_EQ(run.states[1]["vars"]["animationTimer"], true);
}
