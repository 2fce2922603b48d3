// The video clip screen frm31, headless on the demo tree and on trees with missing or broken clips,
// and with its window under Xvfb, where clip and music go to the null audio output together.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;
namespace fs = std::filesystem;

namespace {

const std::string openClips = "click 530 195\nwait 400\nclick 420 440\nwait 600\n";
std::string row(int r) { return "click 520 " + std::to_string(160 + 31 * (r - 1)) + "\nwait 10\n"; }
// 600 ms apart, so that two clicks on one button are no double click.
const std::string lineDown = "click 610 296\nwait 600\n";
const std::string pauseButton = "click 145 345\nwait 600\n";
const std::string playButton = "click 182 345\nwait 600\n";
constexpr gfx::Rect region{122, 133, 240, 180};

const nlohmann::json& clips(const nlohmann::json& state) { return state["devices"]["clips"]; }

}  // namespace

TEST(Clips, ClipElevenPlaysItsFileWhileTheSectionMusicGoesOn) {
    std::string script = openClips + "state\n";
    for (int i = 0; i < 6; ++i) script += lineDown;
    script += row(5) + "state\nwait 1000\nstate\n" + row(1) + "state\nquit\n";
    const auto run = runTitle(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm31");
    EXPECT_EQ(s[0]["vars"]["animationSet"], 26);
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data1\\16.dat");
    EXPECT_EQ(s[0]["screen"]["maxTop"], 7);
    EXPECT_FALSE(s[0]["screen"]["videoShown"]);
    EXPECT_EQ(s[1]["screen"]["listTop"], 6);
    EXPECT_EQ(s[1]["screen"]["selectedEntry"], 11);
    EXPECT_EQ(clips(s[1])["file"], "data5\\11.mpg");
    EXPECT_TRUE(s[1]["screen"]["videoShown"]);
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(clips(s[i])["mode"], 2) << i;
        EXPECT_EQ(s[i]["devices"]["shared"]["mode"], 2) << i;
    }
    // Both devices follow the clock.
    EXPECT_NEAR(int(clips(s[2])["position"]) - int(clips(s[1])["position"]), 1000, 20);
    EXPECT_NEAR(int(s[2]["devices"]["shared"]["position"]) - int(s[1]["devices"]["shared"]["position"]), 1000, 20);
    // Another row switches at once: row 1 now stands for clip 7.
    EXPECT_EQ(clips(s[3])["file"], "data5\\07.mpg");
    EXPECT_EQ(clips(s[3])["mode"], 2);
    EXPECT_LE(int(clips(s[3])["position"]), 20);
}

TEST(Clips, PauseAndPlayResumeButAnEndedClipStaysStopped) {
    const auto run = runTitle(openClips + row(1) + "wait 500\n" + pauseButton + "state\nwait 1000\nstate\n" + playButton +
                              "state\nwait 9000\nstate\n" + playButton + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(clips(s[0])["mode"], 5);
    EXPECT_EQ(clips(s[1])["position"], clips(s[0])["position"]);
    EXPECT_EQ(clips(s[2])["mode"], 2);
    EXPECT_NEAR(int(clips(s[2])["position"]) - int(clips(s[1])["position"]), 600, 20);
    EXPECT_EQ(clips(s[3])["mode"], 1);
    EXPECT_EQ(clips(s[3])["position"], clips(s[3])["length"]);
    EXPECT_EQ(clips(s[4])["mode"], 1);
    EXPECT_EQ(clips(s[4])["position"], clips(s[3])["length"]);
}

TEST(Clips, LeavingStopsClipAndMusicAndLeavesNoVideoRegion) {
    const DemoTreeWithout tree("data1\\00.dat");  // frm5 restarts no music of its own
    const TempDir dir;
    const auto run = runOnTree(tree.path(), openClips + row(2) + "wait 500\nstate\nkey Escape\nwait 300\nstate\nshot " +
                                                (dir / "back.png").string() + "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(clips(run.states[0])["mode"], 2);
    const auto& back = run.states[1];
    EXPECT_EQ(back["active"], "frm5");
    EXPECT_FALSE(back["devices"].contains("clips"));
    EXPECT_EQ(back["devices"]["shared"]["mode"], 0);
    EXPECT_EQ(back["vars"]["animationTimer"], false);
    const gfx::Bitmap background = gfx::readBmp(fs::path(test_paths::demoTree) / "art" / "frm5" / "m1.bmp");
    EXPECT_EQ(inkOver(gfx::readPng(dir / "back.png"), region, background, {0, 0}), gfx::Rect{});
}

TEST(Clips, AMissingClipIsIgnoredAndABrokenOneReported) {
    TextTree tree;
    tree.writeFields("data2\\qem0001.dat", {0, -1, 0, -1, 0, -1, 0, -1});
    tree.writeFields("data2\\qem0013.dat", {});
    tree.writeLines("data2\\qem0014.dat", {});
    tree.writeLines("data2\\qem0045.dat", {glyphLine(4, 1), glyphLine(4, 2)});
    std::filesystem::create_directories(tree.path() / "data5");
    std::ofstream(tree.path() / "data5" / "01.mpg") << "no video at all";
    const auto run = tree.run(openClips + row(2) + "state\n" + row(1) + "state\nkey Escape\nwait 10\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["selectedEntry"], 2);
    EXPECT_TRUE(s[0]["messageBoxes"].empty());
    EXPECT_EQ(clips(s[0])["mode"], 0);
    EXPECT_FALSE(s[0]["screen"]["videoShown"]);
    ASSERT_EQ(s[1]["messageBoxes"].size(), 1u);
    EXPECT_EQ(s[1]["messageBoxes"][0]["caption"], "error");
    EXPECT_EQ(s[1]["messageBoxes"][0]["text"],
              "undefined error !!  probably you must install the activemovie from the CD-ROM to run the videos");
    EXPECT_EQ(clips(s[1])["mode"], 0);
    EXPECT_TRUE(s[2]["messageBoxes"].empty());
    EXPECT_EQ(s[2]["active"], "frm31");
    EXPECT_FALSE(s[2]["screen"]["videoShown"]);
}

TEST(Clips, UnderXvfbClipSoundAndMusicBothLeaveThroughTheNullOutput) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not available";
    // Wall-clock waits: each device's position counts the frames the output has taken from it.
    const auto run = runOnTree(test_paths::demoTree, openClips + row(1) + "wait 200\nstate\nwait 1500\nstate\nquit\n",
                               display.env());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_NE(run.errors.find("sound is discarded at playback pace"), std::string::npos);
    const auto advanced = [&](const char* device) {
        return int(run.states[1]["devices"][device]["position"]) - int(run.states[0]["devices"][device]["position"]);
    };
    EXPECT_EQ(run.states[1]["devices"]["clips"]["file"], "data5\\01.mpg");
    EXPECT_EQ(run.states[1]["devices"]["shared"]["file"], "data1\\16.dat");
    EXPECT_GT(advanced("clips"), 1000);
    EXPECT_GT(advanced("shared"), 1000);
}

TEST(Clips, HoldingTheDownArrowRepeatsWhileTheMouseMovesOnIt) {
    // Steps at 500, 600, 700 and 800 ms, one more for the release over the arrow.
    const auto run = runTitle(openClips + "down 610 296\nwait 550\nmove 611 297\nwait 300\nup 611 297\nwait 10\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.states.at(0)["screen"]["listTop"], 5);
    EXPECT_EQ(run.states[0]["screen"]["repeatDir"], 2);
}
