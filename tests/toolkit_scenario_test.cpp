// Drives the program's toolkit check screen through the script harness, headless and under Xvfb.
#include <gtest/gtest.h>

#include "platform/gfx/png.h"
#include "scenario_support.h"

using namespace vemra;
using vemra::testing::differingArea;
using vemra::testing::findControl;
using vemra::testing::findWindow;
using vemra::testing::runScript;
using vemra::testing::TempDir;

namespace {

const gfx::Rect m2Rect{400, 120, 160, 50};
const gfx::Rect m9Rect{490, 400, 150, 80};

std::string hoverScript(const TempDir& dir) {
    return "shot " + (dir / "rest.png").string() + "\n" + "move 450 140\nstate\nshot " + (dir / "m2.png").string() +
           "\n" + "move 460 145\nstate\n" + "move 450 210\nstate\n" + "move 100 100\nstate\nshot " +
           (dir / "back.png").string() + "\n" + "move 600 440\nstate\nshot " + (dir / "exit.png").string() + "\n" +
           "move 500 405\nstate\nquit\n";
}

}  // namespace

TEST(ToolkitScenario, HoverLightsExactlyTheHotspotAndTheExitCorner) {
    TempDir dir;
    const auto run = runScript(hoverScript(dir));
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u);
    EXPECT_EQ(run.states[0]["screen"]["litHotspot"], "m2");
    EXPECT_EQ(run.states[0]["cursor"], 5);
    EXPECT_EQ(run.states[1]["screen"]["litHotspot"], "m2");  // moving within the hotspot changes nothing
    EXPECT_EQ(run.states[2]["screen"]["litHotspot"], "m3");  // straight onto another: one lit at a time
    EXPECT_TRUE(run.states[3]["screen"]["litHotspot"].is_null());
    EXPECT_EQ(run.states[4]["screen"]["exitLit"], true);
    EXPECT_FALSE(run.states[5]["screen"]["exitLit"]);  // leaving the label over the lit corner ends it

    const auto rest = gfx::readPng(dir / "rest.png");
    EXPECT_EQ(differingArea(rest, gfx::readPng(dir / "m2.png")), m2Rect);
    EXPECT_EQ(differingArea(rest, gfx::readPng(dir / "back.png")), gfx::Rect{});
    const gfx::Rect exitArea = differingArea(rest, gfx::readPng(dir / "exit.png"));
    EXPECT_FALSE(exitArea.empty());
    EXPECT_EQ(exitArea.united(m9Rect), m9Rect);
}

TEST(ToolkitScenario, ExitLabelEscapeAndCloseRequestAllGoBack) {
    const auto run = runScript(
        "click 450 280\nstate\nclick 610 440\nstate\nwait 600\n"
        "click 450 280\nkey Escape\nstate\nwait 600\n"
        "click 450 280\nclose\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    EXPECT_EQ(run.states[0]["active"], "check1");
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(run.states[i]["active"], "check") << i;
        EXPECT_EQ(findWindow(run.states[i], "check1"), nullptr) << i;
    }
}

TEST(ToolkitScenario, ASecondClickSoonAfterOnTheSameControlIsADoubleClick) {
    const auto run = runScript("click 450 280\nkey Escape\nclick 450 280\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.states[0]["active"], "check");
    EXPECT_EQ(run.states[0]["screen"]["clicks"], 1);
}

TEST(ToolkitScenario, ModalWindowBlocksTheScreenBeneathAndMessageBoxesShow) {
    // The modal window's client area starts at (170, 189) on the display; (280, -49) from there is
    // the check screen's first hotspot, which must not react while the modal window is up.
    const auto run = runScript(
        "click 450 210\nstate\nclick 280 -49\nstate\nkey Enter\nstate\n"
        "click 450 140\nstate\nkey Enter\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    EXPECT_EQ(run.states[0]["active"], "modal");
    EXPECT_EQ((*findWindow(run.states[0], "modal"))["modal"], true);
    EXPECT_TRUE(run.states[1]["messageBoxes"].empty());
    EXPECT_EQ(run.states[1]["active"], "modal");
    EXPECT_EQ(run.states[2]["active"], "check");
    EXPECT_EQ(run.states[2]["screen"]["clicks"], 1);
    ASSERT_EQ(run.states[3]["messageBoxes"].size(), 1u);
    EXPECT_EQ(run.states[3]["messageBoxes"][0]["text"], "A message box over the check screen.");
    EXPECT_TRUE(run.states[4]["messageBoxes"].empty());
}

TEST(ToolkitScenario, HintShowsAfterAShortHover) {
    const auto run = runScript("move 610 440\nwait 100\nstate\nwait 500\nstate\nmove 100 100\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.states[0]["hint"], "");
    EXPECT_EQ(run.states[1]["hint"], "exit");
    EXPECT_EQ(run.states[2]["hint"], "");
}

TEST(ToolkitScenario, SdlBackendUnderXvfbGivesTheSameScreenshots) {
    vemra::testing::VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    TempDir headlessDir, sdlDir;
    const auto headless = runScript(hoverScript(headlessDir));
    const auto sdl = runScript(hoverScript(sdlDir), "--toolkit-check", display.env());
    ASSERT_EQ(headless.exitCode, 0) << headless.errors;
    ASSERT_EQ(sdl.exitCode, 0) << sdl.errors;
    for (const char* shot : {"rest.png", "m2.png", "back.png", "exit.png"})
        EXPECT_EQ(gfx::readPng(headlessDir / shot), gfx::readPng(sdlDir / shot)) << shot;
    ASSERT_EQ(sdl.states.size(), headless.states.size());
    for (std::size_t i = 0; i < sdl.states.size(); ++i) EXPECT_EQ(sdl.states[i]["screen"], headless.states[i]["screen"]);
}
