// A headless run shows exactly what the window shows: the same script, headless and with the SDL
// backend under Xvfb on the script's clock (--virtual-time), gives identical screenshots and states.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/gfx/png.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

// Script steps, each followed by a state and a screenshot under the given name.
using Steps = std::vector<std::pair<std::string, std::string>>;

std::string scriptOf(const Steps& steps, const TempDir& dir) {
    std::string script;
    for (const auto& [commands, shot] : steps) script += commands + "state\nshot " + (dir / (shot + ".png")).string() + "\n";
    return script + "quit\n";
}

// Plays the steps both ways and expects the same state and pixels at every shot; the headless run.
ScriptRun expectSameHeadlessAndInTheWindow(const VirtualDisplay& display, const Steps& steps) {
    TempDir headlessDir, windowDir;
    const auto headless = runOnTree(test_paths::demoTree, scriptOf(steps, headlessDir));
    const auto window = runOnTree(test_paths::demoTree, scriptOf(steps, windowDir), display.env(), "--virtual-time");
    EXPECT_EQ(headless.exitCode, 0) << headless.errors;
    EXPECT_EQ(window.exitCode, 0) << window.errors;
    if (headless.states.size() != steps.size() || window.states.size() != steps.size()) {
        ADD_FAILURE() << "states: " << headless.states.size() << " headless, " << window.states.size() << " window";
        return headless;
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string file = steps[i].second + ".png";
        auto windowState = window.states[i], headlessState = headless.states[i];
        windowState["vars"].erase("windowsDir");  // each run has a Windows directory of its own
        headlessState["vars"].erase("windowsDir");
        EXPECT_EQ(windowState, headlessState) << file;
        EXPECT_EQ(differingArea(gfx::readPng(headlessDir / file), gfx::readPng(windowDir / file)), gfx::Rect{}) << file;
    }
    return headless;
}

}  // namespace

TEST(HeadlessWindowParity, MenusAndTheReadingRoadLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    const auto headless = expectSameHeadlessAndInTheWindow(
        display,
        {{"move 380 130\nwait 50\n", "main"},
         // A screen's first animation frame, drawn on the first tick after its activation.
         {"click 380 130\nwait 150\n", "frm9"},
         {"click 500 125\nwait 150\n", "frm23"},
         {"click 530 185\nwait 150\n", "frm10"},
         {"click 500 155\nwait 650\n", "article"},
         {"click 540 268\nwait 600\nclick 450 410\nwait 650\n", "part"},
         // The reader with entry 2 marked, its text three lines down, then the title list one
         // down: the text rows drawn on the window survive the two separate repaints.
         {"key Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 150\n"
          "click 460 70\nwait 650\nclick 510 203\nwait 600\n"
          "click 375 433\nwait 600\nclick 375 433\nwait 600\nclick 375 433\nwait 600\nclick 615 384\nwait 650\n",
          "frm18"}});
    ASSERT_FALSE(headless.states.empty());
    EXPECT_EQ(headless.states.back()["active"], "frm18");
    EXPECT_EQ(headless.states.back()["screen"]["textTop"], 3);
}

TEST(HeadlessWindowParity, ThePlaceScreenItsArticleAndTheAlbumLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    const auto headless = expectSameHeadlessAndInTheWindow(
        display, {{"click 530 195\nwait 400\nclick 313 80\nwait 50\n", "place"},
                  {"click 550 35\nwait 100\n", "index"},
                  {"dblclick 450 104\nwait 650\nclick 560 77\nwait 600\n", "frm20"},
                  {"key Escape\nwait 300\nclick 290 440\nwait 600\nclick 570 170\nwait 600\nclick 17 409\nwait 600\n",
                   "album"}});
    ASSERT_FALSE(headless.states.empty());
    EXPECT_EQ(headless.states.back()["screen"]["albumPos"], 2);
}

TEST(HeadlessWindowParity, APlayerFollowingItsNarrationAndAGalleryClipLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    // The tour player with a contents entry chosen and its page turned by the narration; then a
    // gallery with a sound clip playing in its panel.
    const auto headless = expectSameHeadlessAndInTheWindow(
        display, {{"click 530 130\nwait 150\nclick 420 270\nwait 650\nclick 500 267\nwait 3000\n", "player"},
                  {"key Escape\nwait 300\nkey Escape\nwait 300\nclick 380 255\nwait 150\nclick 550 345\nwait 650\n"
                   "click 470 179\nwait 300\nclick 220 323\nwait 1100\n",
                   "gallery"}});
    ASSERT_EQ(headless.states.size(), 2u);
    EXPECT_EQ(headless.states[0]["active"], "frm2");
    EXPECT_TRUE(headless.states[1]["screen"]["panelVisible"]);
}

TEST(HeadlessWindowParity, TheSearchWindowAndTheRollingNamesLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    // A word typed and found over the crafts list; then the names rolling with their strip.
    const auto headless = expectSameHeadlessAndInTheWindow(
        display, {{"click 380 130\nwait 150\nclick 500 125\nwait 150\nclick 530 300\nwait 150\nclick 407 415\nwait 150\n"
                   "type fhtd\nclick 111 76\nwait 50\nclick 199 110\nwait 150\n",
                   "search"},
                  {"key Escape\nwait 300\nkey Escape\nwait 300\nkey Escape\nwait 300\nkey Escape\nwait 300\n"
                   "click 580 70\nwait 650\nmove 50 30\nclick 50 30\nwait 2500\n",
                   "names"}});
    ASSERT_EQ(headless.states.size(), 2u);
    EXPECT_EQ(headless.states[0]["active"], "sear");
    EXPECT_EQ(headless.states[1]["active"], "frm32");
}

TEST(HeadlessWindowParity, TheSecondaryMenusAndTheirReadingScreensLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    // A lit item of the secondary menu; a text of the sub-menu; the question list with a title
    // marked and a wide one shown whole over the text.
    const auto headless = expectSameHeadlessAndInTheWindow(
        display, {{"click 200 432\nwait 600\nmove 40 100\nwait 50\n", "secondary-menu"},
                  {"click 40 160\nwait 600\nclick 100 190\nwait 600\nclick 60 375\nwait 50\n", "sub-menu-text"},
                  {"key Escape\nwait 300\nkey Escape\nwait 300\nclick 40 130\nwait 600\nclick 100 167\nwait 100\n"
                   "move 100 257\nwait 50\n",
                   "question-list"}});
    ASSERT_EQ(headless.states.size(), 3u);
    EXPECT_EQ(headless.states[1]["active"], "frm36");
    EXPECT_EQ(headless.states[2]["screen"]["fullTitle"], 4);
}
