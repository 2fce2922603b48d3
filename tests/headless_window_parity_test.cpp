// A headless run shows exactly what the window shows: the same script over the menus and the
// reading road, headless and with the SDL backend under Xvfb, gives identical screenshots.
#include <gtest/gtest.h>

#include "platform/gfx/png.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

const char* const shots[] = {"main", "frm9", "frm23", "frm10", "article", "part", "frm18"};

std::string parityScript(const TempDir& dir) {
    const auto shot = [&](const char* name) { return "state\nshot " + (dir / (std::string(name) + ".png")).string() + "\n"; };
    return "move 380 130\nwait 50\n" + shot("main") +
           // A screen's first animation frame, drawn on the first tick after its activation.
           "click 380 130\nwait 150\n" + shot("frm9") + "click 500 125\nwait 150\n" + shot("frm23") +
           "click 530 185\nwait 150\n" + shot("frm10") + "click 500 155\nwait 650\n" + shot("article") +
           "click 540 268\nwait 600\nclick 450 410\nwait 650\n" + shot("part") +
           "key Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 150\n"
           // The reader with entry 2 marked, its text three lines down, then the title list one
           // down: the text rows drawn on the window survive the two separate repaints.
           "click 460 70\nwait 650\nclick 510 203\nwait 600\n"
           "click 375 433\nwait 600\nclick 375 433\nwait 600\nclick 375 433\nwait 600\n"
           "click 615 384\nwait 650\n" +
           shot("frm18") + "quit\n";
}

}  // namespace

TEST(HeadlessWindowParity, MenusAndTheReadingRoadLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    TempDir headlessDir, windowDir;
    const auto headless = runOnTree(VEMRA_DEMO_TREE, parityScript(headlessDir));
    // The window on the script's clock reaches the very moments of the headless run.
    const auto window = runOnTree(VEMRA_DEMO_TREE, parityScript(windowDir), display.env(), "--virtual-time");
    ASSERT_EQ(headless.exitCode, 0) << headless.errors;
    ASSERT_EQ(window.exitCode, 0) << window.errors;
    ASSERT_EQ(headless.states.size(), std::size(shots));
    ASSERT_EQ(window.states.size(), std::size(shots));
    for (std::size_t i = 0; i < std::size(shots); ++i) {
        const std::string file = std::string(shots[i]) + ".png";
        auto windowState = window.states[i], headlessState = headless.states[i];
        windowState["vars"].erase("windowsDir");  // each run has a Windows directory of its own
        headlessState["vars"].erase("windowsDir");
        EXPECT_EQ(windowState, headlessState) << file;
        const gfx::Bitmap a = gfx::readPng(headlessDir / file), b = gfx::readPng(windowDir / file);
        EXPECT_EQ(differingArea(a, b), gfx::Rect{}) << file;
    }
    EXPECT_EQ(headless.states.back()["active"], "frm18");
    EXPECT_EQ(headless.states.back()["screen"]["textTop"], 3);
}

TEST(HeadlessWindowParity, ThePlaceScreenItsArticleAndTheAlbumLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    const char* const names[] = {"place", "index", "frm20", "album"};
    const auto script = [](const TempDir& dir) {
        const auto shot = [&](const char* name) {
            return "state\nshot " + (dir / (std::string(name) + ".png")).string() + "\n";
        };
        return "click 530 195\nwait 400\nclick 313 80\nwait 50\n" + shot("place") + "click 550 35\nwait 100\n" +
               shot("index") + "dblclick 450 104\nwait 650\nclick 560 77\nwait 600\n" + shot("frm20") +
               "key Escape\nwait 300\nclick 290 440\nwait 600\nclick 570 170\nwait 600\nclick 17 409\nwait 600\n" +
               shot("album") + "quit\n";
    };
    TempDir headlessDir, windowDir;
    const auto headless = runOnTree(VEMRA_DEMO_TREE, script(headlessDir));
    const auto window = runOnTree(VEMRA_DEMO_TREE, script(windowDir), display.env(), "--virtual-time");
    ASSERT_EQ(headless.exitCode, 0) << headless.errors;
    ASSERT_EQ(window.exitCode, 0) << window.errors;
    ASSERT_EQ(headless.states.size(), std::size(names));
    ASSERT_EQ(window.states.size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::string file = std::string(names[i]) + ".png";
        EXPECT_EQ(window.states[i]["active"], headless.states[i]["active"]) << file;
        EXPECT_EQ(window.states[i]["vars"]["animationFrame"], headless.states[i]["vars"]["animationFrame"]) << file;
        EXPECT_EQ(differingArea(gfx::readPng(headlessDir / file), gfx::readPng(windowDir / file)), gfx::Rect{}) << file;
    }
    EXPECT_EQ(headless.states.back()["screen"]["albumPos"], 2);
}

TEST(HeadlessWindowParity, APlayerFollowingItsNarrationAndAGalleryClipLookTheSameHeadlessAndInTheWindow) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    const char* const names[] = {"player", "gallery"};
    const auto script = [](const TempDir& dir) {
        const auto shot = [&](const char* name) {
            return "state\nshot " + (dir / (std::string(name) + ".png")).string() + "\n";
        };
        // The tour player with a contents entry chosen and its page turned by the narration; then
        // a gallery with a sound clip playing in its panel.
        return "click 530 130\nwait 150\nclick 420 270\nwait 650\nclick 500 267\nwait 3000\n" + shot("player") +
               "key Escape\nwait 300\nkey Escape\nwait 300\nclick 380 255\nwait 150\nclick 550 345\nwait 650\n"
               "click 470 179\nwait 300\nclick 220 323\nwait 1100\n" +
               shot("gallery") + "quit\n";
    };
    TempDir headlessDir, windowDir;
    const auto headless = runOnTree(VEMRA_DEMO_TREE, script(headlessDir));
    const auto window = runOnTree(VEMRA_DEMO_TREE, script(windowDir), display.env(), "--virtual-time");
    ASSERT_EQ(headless.exitCode, 0) << headless.errors;
    ASSERT_EQ(window.exitCode, 0) << window.errors;
    ASSERT_EQ(headless.states.size(), std::size(names));
    ASSERT_EQ(window.states.size(), std::size(names));
    EXPECT_EQ(headless.states[0]["active"], "frm2");
    EXPECT_TRUE(headless.states[1]["screen"]["panelVisible"]);
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const std::string file = std::string(names[i]) + ".png";
        EXPECT_EQ(window.states[i]["screen"], headless.states[i]["screen"]) << file;
        EXPECT_EQ(differingArea(gfx::readPng(headlessDir / file), gfx::readPng(windowDir / file)), gfx::Rect{}) << file;
    }
}
