// The whole picture-hotspot branch on the demo tree: main menu, the place screen, each of its three
// screens and back, with every screen's music, corner animation and transition effect.
#include <gtest/gtest.h>

#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra::testing;

namespace {

struct Step {
    const char* action;
    const char* screen;
    const char* track;
    int animationSet;
    bool animation;
    int effects;  // transition effects the action runs
};

const Step steps[] = {
    {"click 530 195\nwait 400\n", "frm5", "data1\\00.dat", 1, true, 1},
    {"click 550 35\nwait 100\ndblclick 450 104\nwait 600\n", "frm20", "data1\\05.dat", 12, true, 1},
    {"key Escape\nwait 300\n", "frm5", "data1\\00.dat", 12, false, 1},
    {"click 290 440\nwait 600\n", "frm30", "data1\\15.dat", 12, false, 1},
    {"click 570 170\nwait 600\n", "frm30", "data1\\15.dat", 12, false, 1},  // the first picture
    {"key Escape\nwait 300\n", "frm5", "data1\\00.dat", 12, false, 1},
    {"click 420 440\nwait 600\n", "frm31", "data1\\16.dat", 26, true, 1},
    {"click 520 160\nwait 500\n", "frm31", "data1\\16.dat", 26, true, 0},  // the first clip
    {"key Escape\nwait 300\n", "frm5", "data1\\00.dat", 26, false, 1},
    {"key Escape\nwait 300\n", "frm1", "data1\\01.dat", 1, true, 1},
};

}  // namespace

TEST(PictureBranchRoad, EveryScreenAndBackWithItsMusicAnimationAndEffects) {
    std::string script = "state\n";
    for (const Step& step : steps) script += std::string(step.action) + "state\n";
    const auto run = runOnTree(test_paths::demoTree, script + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), std::size(steps) + 1);
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto& before = run.states[i];
        const auto& s = run.states[i + 1];
        EXPECT_EQ(s["active"], steps[i].screen) << i;
        EXPECT_EQ(s["devices"]["shared"]["file"], steps[i].track) << i;
        EXPECT_EQ(s["devices"]["shared"]["mode"], 2) << i;
        EXPECT_EQ(s["vars"]["animationSet"], steps[i].animationSet) << i;
        EXPECT_EQ(s["vars"]["animationTimer"], steps[i].animation) << i;
        EXPECT_EQ(int(s["vars"]["nextEffect"]), (int(before["vars"]["nextEffect"]) + steps[i].effects - 1) % 8 + 1) << i;
        EXPECT_TRUE(s["messageBoxes"].empty()) << i;
        EXPECT_EQ(s["devices"].contains("clips"), s["active"] == "frm31") << i;
    }
    EXPECT_EQ(run.states[5]["screen"]["albumPos"], 1);
    EXPECT_EQ(run.states[8]["devices"]["clips"]["mode"], 2);
}
