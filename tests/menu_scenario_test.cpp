// The main menu and the five section menus on the demo tree, driven headless.
#include <gtest/gtest.h>

#include "platform/gfx/png.h"
#include "scenario_support.h"

using namespace vemra;
using vemra::testing::differingArea;
using vemra::testing::runTitle;
using vemra::testing::TempDir;

namespace {

struct Section {
    const char* name;
    const char* click;  // where its hotspot lies on the main menu
    const char* track;
    int animationSet;
};

const Section sections[] = {
    {"frm9", "380 130", "data1\\08.dat", 8},   {"frm24", "530 130", "data1\\18.dat", 25},
    {"frm26", "380 255", "data1\\13.dat", 11}, {"frm7", "380 195", "data1\\03.dat", 3},
};

const gfx::Rect musicSwitch{30, 379, 47, 46};
// Everything but the corner animation, which moves on between two screenshots.
const gfx::Rect stillArea{0, 170, 640, 310};

}  // namespace

TEST(MenuScenario, EverySectionHasItsMusicAndAnimationAndGoesBackEveryWay) {
    const char* exits[] = {"key Escape", "close", "click 610 440", "key Escape"};
    std::string script;
    for (std::size_t i = 0; i < std::size(sections); ++i)
        script += std::string("click ") + sections[i].click + "\nwait 300\nstate\n" + exits[i] + "\nwait 300\nstate\n";
    // frm9 → frm23, and back to frm9 and to the main menu.
    script += "click 380 130\nwait 300\nclick 500 125\nwait 300\nstate\nclick 610 440\nwait 300\nstate\nclose\nwait 300\nstate\nquit\n";
    const auto run = runTitle(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2 * std::size(sections) + 3);
    for (std::size_t i = 0; i < std::size(sections); ++i) {
        const auto& on = run.states[2 * i];
        const auto& back = run.states[2 * i + 1];
        EXPECT_EQ(on["active"], sections[i].name);
        EXPECT_EQ(on["devices"]["shared"]["file"], sections[i].track) << sections[i].name;
        EXPECT_EQ(on["vars"]["animationSet"], sections[i].animationSet) << sections[i].name;
        EXPECT_EQ(back["active"], "frm1") << sections[i].name;
        EXPECT_EQ(back["devices"]["shared"]["file"], "data1\\01.dat");
        EXPECT_EQ(back["vars"]["animationSet"], 1);
    }
    const auto* last = &run.states[2 * std::size(sections)];
    EXPECT_EQ((*last)["active"], "frm23");
    EXPECT_EQ((*last)["devices"]["shared"]["file"], "data1\\07.dat");
    EXPECT_EQ((*last)["vars"]["animationSet"], 5);
    EXPECT_EQ(run.states[2 * std::size(sections) + 1]["active"], "frm9");
    EXPECT_EQ(run.states[2 * std::size(sections) + 1]["vars"]["animationSet"], 8);
    EXPECT_EQ(run.states[2 * std::size(sections) + 2]["active"], "frm1");
}

TEST(MenuScenario, TheMusicSwitchTwiceReturnsToMusicFromTheStartAndThePlainLook) {
    TempDir dir;
    const auto run = runTitle("wait 500\nmove 100 100\nshot " + (dir / "plain.png").string() +
                              "\nclick 50 400\nmove 100 100\nwait 50\nshot " + (dir / "off.png").string() +
                              "\nstate\nwait 500\nclick 50 400\nmove 100 100\nwait 20\nstate\nshot " +
                              (dir / "on.png").string() + "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(run.states[0]["vars"]["musicOn"], 0);
    EXPECT_EQ(run.states[1]["vars"]["musicOn"], 1);
    EXPECT_EQ(run.states[1]["devices"]["shared"]["file"], "data1\\01.dat");
    EXPECT_EQ(run.states[1]["devices"]["shared"]["mode"], 2);
    EXPECT_EQ(run.states[1]["devices"]["shared"]["position"], 20);
    const auto plain = gfx::readPng(dir / "plain.png");
    const gfx::Rect lit = differingArea(plain, gfx::readPng(dir / "off.png"), stillArea);
    EXPECT_FALSE(lit.empty());
    EXPECT_EQ(lit.united(musicSwitch), musicSwitch);  // only the switch changed its look
    EXPECT_EQ(differingArea(plain, gfx::readPng(dir / "on.png"), stillArea), gfx::Rect{});
}

TEST(MenuScenario, WithEffectsOffScreensOpenAtOnceAndTheExitStillRunsItsEffect) {
    const auto run = runTitle("click 40 440\nstate\nclick 380 130\nstate\nkey Escape\nwait 100\nclick 610 440\nwait 5000\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(run.states[0]["vars"]["effectsOn"], 0);
    EXPECT_EQ(run.states[1]["active"], "frm9");
    EXPECT_EQ(run.states[1]["t"], run.states[0]["t"]);  // no effect: no time passed
    EXPECT_EQ(run.states[1]["vars"]["nextEffect"], 0);
}

TEST(MenuScenario, EscapeOnTheMainMenuDoesNothingAndACloseRequestExits) {
    const auto run = runTitle("key Escape\nwait 100\nstate\nclose\nwait 5000\nstate\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u);  // the close request ended the program
    EXPECT_EQ(run.states[0]["active"], "frm1");
}

TEST(MenuScenario, SectionChoicesAndTheExitCornerFilledFromTheLitPicture) {
    TempDir dir;
    const auto run = runTitle(
        // Each choice opens a player; two Escapes lead back to the main menu.
        "click 530 130\nwait 300\nclick 420 270\nstate\nkey Escape\nwait 300\nkey Escape\nwait 300\n"  // frm24, first
        "click 530 130\nwait 300\nclick 420 318\nstate\nkey Escape\nwait 300\nkey Escape\nwait 300\n"  // frm24, second
        "click 380 195\nwait 300\nclick 540 130\nstate\nkey Escape\nwait 300\nkey Escape\nwait 300\n"  // frm7, top
        "click 380 255\nwait 300\nmove 100 100\nshot " + (dir / "rest.png").string() + "\nmove 620 450\nshot " +
        (dir / "exit.png").string() + "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    EXPECT_EQ(run.states[0]["vars"]["selectedKind"], 1);
    EXPECT_EQ(run.states[1]["vars"]["selectedKind"], 2);
    EXPECT_EQ(run.states[2]["vars"]["playerVariant"], 4);
    EXPECT_EQ(run.states[0]["active"], "frm2");
    EXPECT_EQ(run.states[2]["active"], "frm8");
    EXPECT_EQ(run.states[2]["devices"]["shared"]["file"], "data1\\qem02.dat");  // variant 4
    const gfx::Rect corner{499, 400, 144, 80};
    const gfx::Rect lit = differingArea(gfx::readPng(dir / "rest.png"), gfx::readPng(dir / "exit.png"));
    EXPECT_FALSE(lit.empty());
    EXPECT_EQ(lit.united(corner.intersected({0, 0, 640, 480})), corner.intersected({0, 0, 640, 480}));
}

// The hotspots m4 and m3 stand side by side; a move from one straight onto the other unlights the
// first in the same step, and the background unlights the second.
TEST(MenuScenario, MovingFromOneHotspotStraightOntoAnotherUnlightsTheFirst) {
    TempDir dir;
    const auto shot = [&](const char* name) { return "shot " + (dir / name).string() + "\n"; };
    const auto run = runTitle("wait 500\nmove 100 100\n" + shot("rest.png") + "move 380 130\nstate\n" + shot("first.png") +
                              "move 530 130\nstate\n" + shot("second.png") + "move 100 100\nstate\n" + shot("back.png") +
                              "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    EXPECT_EQ(run.states[0]["screen"]["litHotspot"], "m4");
    EXPECT_EQ(run.states[1]["screen"]["litHotspot"], "m3");
    EXPECT_EQ(run.states[2]["screen"]["litHotspot"], nullptr);

    const gfx::Rect m4{312, 108, 144, 54}, m3{463, 108, 142, 54}, both = m4.united(m3);
    const auto rest = gfx::readPng(dir / "rest.png");
    const auto litOnly = [&](const char* name, gfx::Rect hotspot) {
        const gfx::Rect lit = differingArea(rest, gfx::readPng(dir / name), both);
        EXPECT_FALSE(lit.empty()) << name;
        EXPECT_EQ(lit.united(hotspot), hotspot) << name;
    };
    litOnly("first.png", m4);
    litOnly("second.png", m3);
    EXPECT_EQ(differingArea(rest, gfx::readPng(dir / "back.png"), both), gfx::Rect{});
}
