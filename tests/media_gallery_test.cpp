// The picture galleries on the demo tree, driven headless.
#include <gtest/gtest.h>

#include "scenario_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

const std::string toFrm27 = "click 380 255\nwait 300\nclick 550 345\nwait 600\n";
const std::string musicOff = "click 50 400\nwait 50\n";

std::string pictureRow(int r) { return "click 470 " + std::to_string(148 + 31 * r) + "\nwait 100\n"; }
std::string soundRow(int r) { return "click 220 " + std::to_string(292 + 31 * r) + "\nwait 100\n"; }
const std::string soundsDown = "click 324 427\nwait 600\n";
const std::string pauseButton = "click 402 358\nwait 100\n";

const nlohmann::json& shared(const nlohmann::json& state) { return state["devices"]["shared"]; }
int position(const nlohmann::json& state) { return shared(state)["position"]; }
int mode(const nlohmann::json& state) { return shared(state)["mode"]; }
bool visible(const nlohmann::json& state, const std::string& control) {
    return (*findControl(state, control))["visible"];
}

}  // namespace

TEST(Galleries, APictureWithSevenSoundsShowsFiveRowsAndScrollsToTopThreeAtMost) {
    std::string downs;
    for (int i = 0; i < 5; ++i) downs += soundsDown;
    const auto run = runTitle(toFrm27 + "state\n" + pictureRow(0) + "state\n" + downs + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm27");
    EXPECT_EQ(s[0]["vars"]["animationSet"], 21);
    EXPECT_EQ(shared(s[0])["file"], "data1\\17.dat");  // the music, through the panel logic
    EXPECT_EQ(s[0]["screen"]["trackOpen"], true);
    EXPECT_FALSE(s[0]["screen"]["panelVisible"]);
    EXPECT_EQ(s[0]["screen"]["maxTop"], 7);  // twelve pictures
    EXPECT_EQ(s[0]["screen"]["selectedPicture"], -1);
    EXPECT_FALSE(visible(s[0], "Label7"));

    EXPECT_EQ(s[1]["screen"]["selectedPicture"], 12);
    EXPECT_EQ(s[1]["screen"]["pictureFile"], "data3\\13.bmp");
    EXPECT_EQ((*findControl(s[1], "Image5"))["width"], 290);  // the picture at its own size
    EXPECT_EQ((*findControl(s[1], "Label2"))["color"], "#ff0000");
    EXPECT_EQ((*findControl(s[1], "Label3"))["color"], "#ffff00");
    EXPECT_EQ(s[1]["screen"]["soundOfRow"].size(), 7u);
    EXPECT_EQ(s[1]["screen"]["soundMaxTop"], 2);
    for (const char* row : {"Label7", "Label8", "Label9", "Label10", "Label11"}) EXPECT_TRUE(visible(s[1], row));
    EXPECT_EQ(shared(s[1])["file"], "data1\\17.dat");  // no panel was open: the music plays on

    EXPECT_EQ(s[2]["screen"]["soundTop"], 3);
    EXPECT_TRUE(visible(s[2], "Label10"));
    EXPECT_FALSE(visible(s[2], "Label11"));
}

TEST(Galleries, SoundIndex99PlaysItsClipAndASecondSoundReplacesTheFirst) {
    const auto run = runTitle(toFrm27 + pictureRow(4) + soundRow(2) + "state\nwait 1000\nstate\n" + soundRow(3) +
                              "state\nwait 1000\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["selectedSound"], 99);
    EXPECT_EQ(shared(s[0])["file"], "data4\\100.dat");
    EXPECT_EQ(mode(s[0]), 2);
    EXPECT_TRUE(s[0]["screen"]["panelVisible"]);
    EXPECT_EQ((*findControl(s[0], "Label9"))["color"], "#ff0000");
    EXPECT_EQ(s[1]["screen"]["positionMax"], shared(s[1])["length"]);
    EXPECT_GT(int(s[1]["screen"]["position"]), 0);
    EXPECT_EQ(shared(s[2])["file"], "data4\\101.dat");
    EXPECT_EQ((*findControl(s[2], "Label9"))["color"], "#ffff00");
    EXPECT_LE(int(s[3]["screen"]["position"]), 1100);  // the position bar starts again
    EXPECT_EQ(s[3]["screen"]["elapsed"][2], std::to_string(int(s[3]["screen"]["position"]) / 1000));
}

TEST(Galleries, AClipThatEndsStartsAgainWithinASecond) {
    // Music off, so that the main menu's music timer cannot restart the clip itself.
    const auto run = runTitle(musicOff + toFrm27 + pictureRow(0) + soundRow(0) + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u);
    const int length = shared(run.states[0])["length"];
    const auto loop = runTitle(musicOff + toFrm27 + pictureRow(0) + soundRow(0) + "wait " +
                               std::to_string(length - 300) + "\nstate\nwait 1100\nstate\nquit\n");
    ASSERT_EQ(loop.exitCode, 0) << loop.errors;
    ASSERT_EQ(loop.states.size(), 2u);
    EXPECT_EQ(mode(loop.states[0]), 2);
    EXPECT_EQ(position(loop.states[0]), length - 200);
    EXPECT_EQ(mode(loop.states[1]), 2);
    EXPECT_LT(position(loop.states[1]), 1100);
    EXPECT_EQ(shared(loop.states[1])["file"], "data4\\070.dat");
}

TEST(Galleries, AnotherPictureClosesThePanelAndNoMusicFollowsUntilTheScreenIsActiveAgain) {
    const auto run = runTitle(toFrm27 + pictureRow(0) + soundRow(0) + "state\n" + pictureRow(1) +
                              "state\nwait 2000\nstate\n" + soundRow(0) + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_EQ(mode(s[0]), 2);
    EXPECT_EQ(mode(s[1]), 0);
    EXPECT_FALSE(s[1]["screen"]["panelVisible"]);
    EXPECT_EQ(s[1]["screen"]["selectedSound"], -1);
    EXPECT_EQ(s[1]["screen"]["selectedPicture"], 13);
    EXPECT_EQ(mode(s[2]), 0);
    EXPECT_EQ(mode(s[3]), 2);  // a sound chosen meanwhile plays as usual
}

TEST(Galleries, PauseTwiceThenDraggingThePositionBarResumesFromTheNewPlace) {
    // Music off: the panel's timer first runs with the clip (10 ms, then every second), so the bar
    // stands at 1010 when the clip is paused at 1050.
    const auto run = runTitle(musicOff + toFrm27 + pictureRow(0) + soundRow(0) + "wait 950\n" + pauseButton + "wait 500\n" + pauseButton +
                              "state\ndown 497 382\nmove 460 382\nmove 420 382\nup 420 382\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& s = run.states;
    EXPECT_EQ(mode(s[0]), 5);  // the second pause does not resume
    EXPECT_TRUE(s[0]["screen"]["clipPaused"]);
    EXPECT_EQ(position(s[0]), 1050);
    EXPECT_EQ(s[0]["screen"]["position"], 1010);
    EXPECT_EQ(mode(s[1]), 2);
    EXPECT_FALSE(s[1]["screen"]["clipPaused"]);
    EXPECT_LT(position(s[1]), 500);
    EXPECT_EQ(s[1]["screen"]["position"], position(s[1]));
}

TEST(Galleries, EveryGalleryHasItsSectionMusicAndGoesBackToItsMenu) {
    const auto run = runTitle("click 380 255\nwait 300\nclick 430 390\nwait 600\nstate\nkey Escape\nwait 600\n"
                              "click 310 430\nwait 600\nstate\nclose\nwait 600\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm29");
    EXPECT_EQ(shared(s[0])["file"], "data1\\06.dat");
    EXPECT_EQ(s[0]["screen"]["pictureOfRow"].size(), 5u);
    EXPECT_EQ(s[1]["active"], "frm28");
    EXPECT_EQ(shared(s[1])["file"], "data1\\19.dat");
    EXPECT_EQ(s[1]["vars"]["animationSet"], 24);
    EXPECT_EQ(s[1]["screen"]["pictureOfRow"].size(), 7u);
    EXPECT_EQ(s[2]["active"], "frm26");
    EXPECT_EQ(shared(s[2])["file"], "data1\\13.dat");
}
