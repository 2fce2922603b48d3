// The typical road through the text screens on the demo tree, headless and with a window under Xvfb.
#include <gtest/gtest.h>

#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra::testing;

namespace {

// Main menu, frm9, frm23, the list frm10, its second title, part 2, a line down, then Escape on
// every screen back to the main menu; a state after each step.
const std::string road =
    "click 380 130\nwait 100\nstate\nclick 500 125\nwait 100\nstate\nclick 530 185\nwait 100\nstate\n"
    "click 500 155\nwait 600\nstate\nclick 540 268\nwait 600\nclick 450 410\nwait 600\nstate\n"
    "key Escape\nwait 100\nstate\nkey Escape\nwait 100\nstate\nkey Escape\nwait 100\nstate\n"
    "key Escape\nwait 100\nstate\nquit\n";

struct Step {
    const char* screen;
    const char* track;
    int animationSet;
};
const Step steps[] = {{"frm9", "data1\\08.dat", 8},   {"frm23", "data1\\07.dat", 5}, {"frm10", "data1\\11.dat", 15},
                      {"frm19", "data1\\11.dat", 16}, {"frm19", "data1\\11.dat", 16}, {"frm10", "data1\\11.dat", 15},
                      {"frm23", "data1\\07.dat", 5},  {"frm9", "data1\\08.dat", 8},  {"frm1", "data1\\01.dat", 1}};

void expectTheRoad(const ScriptRun& run) {
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), std::size(steps));
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(run.states[i]["active"], steps[i].screen) << i;
        EXPECT_EQ(run.states[i]["devices"]["shared"]["file"], steps[i].track) << i;
        EXPECT_EQ(run.states[i]["devices"]["shared"]["mode"], 2) << i;
        EXPECT_EQ(run.states[i]["vars"]["animationSet"], steps[i].animationSet) << i;
        EXPECT_TRUE(run.states[i]["messageBoxes"].empty()) << i;
    }
    const auto& list = run.states[2];
    const auto& article = run.states[4];
    EXPECT_EQ(list["vars"]["selectedKind"], 0);
    EXPECT_EQ(article["vars"]["articleIndex"], list["screen"]["lineArticle"][1]);
    EXPECT_EQ(article["vars"]["articleTitle"], list["screen"]["listLines"][1]);
    EXPECT_EQ(article["screen"]["pressedPart"], 2);
    EXPECT_EQ(article["screen"]["textTop"], 1);
}

}  // namespace

TEST(TextRoad, FromTheMainMenuToAPartOfAnArticleAndBackHeadless) { expectTheRoad(runOnTree(test_paths::demoTree, road)); }

TEST(TextRoad, FromTheMainMenuToAPartOfAnArticleAndBackUnderXvfb) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    expectTheRoad(runOnTree(test_paths::demoTree, road, display.env()));
}
