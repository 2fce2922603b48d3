// The title's shell on the demo content tree, driven headless through the script harness.
#include <gtest/gtest.h>

#include <filesystem>

#include "scenario_support.h"
#include "test_paths.h"

using vemra::testing::runTitle;
using vemra::testing::ScriptRun;
using vemra::testing::TempDir;

namespace {

namespace fs = std::filesystem;

const nlohmann::json& shared(const nlohmann::json& state) { return state["devices"]["shared"]; }

// The duration FFmpeg's own probe gives for a file, in milliseconds.
double probedMs(const fs::path& file) {
    const std::string command = "ffprobe -v error -show_entries format=duration -of csv=p=0 '" + file.string() + "'";
    FILE* out = popen(command.c_str(), "r");
    double seconds = -1;
    if (out && fscanf(out, "%lf", &seconds) != 1) seconds = -1;
    if (out) pclose(out);
    return seconds * 1000;
}

}  // namespace

TEST(ShellScenario, EffectsRotateOverNineNavigationsAndStopWhenSwitchedOff) {
    const auto run = runTitle(
        "click 380 130\nwait 100\nstate\n"   // main menu → frm9 (effect 1)
        "click 500 125\nwait 100\nstate\n"   // frm9 → frm23 (2)
        "key Escape\nwait 100\nstate\n"      // back to frm9 (3)
        "close\nwait 100\nstate\n"           // back to the main menu (4)
        "click 530 130\nwait 100\nstate\n"   // frm24 (5)
        "click 610 440\nwait 100\nstate\n"   // back (6)
        "click 380 255\nwait 100\nstate\n"   // frm26 (7)
        "key Escape\nwait 100\nstate\n"      // back (8)
        "click 380 195\nwait 100\nstate\n"   // frm7 (1 again)
        "key Escape\nwait 600\nclick 40 440\nstate\n"  // back (2); effects off
        "click 380 130\nwait 100\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 11u);
    const std::vector<std::string> screens{"frm9", "frm23", "frm9", "frm1", "frm24", "frm1", "frm26", "frm1", "frm7", "frm1"};
    for (std::size_t i = 0; i < screens.size(); ++i) {
        EXPECT_EQ(run.states[i]["active"], screens[i]) << i;
        EXPECT_EQ(run.states[i]["vars"]["nextEffect"], int(i % 8) + 1) << i;
    }
    EXPECT_EQ(run.states[9]["vars"]["effectsOn"], 0);
    EXPECT_EQ(run.states[10]["active"], "frm9");  // opened at once, the counter stays
    EXPECT_EQ(run.states[10]["vars"]["nextEffect"], 2);
}

TEST(ShellScenario, MusicFollowsTheScreensAndRestartsWhenGoingBack) {
    const auto run = runTitle(
        "wait 1000\nstate\n"
        "click 380 130\nwait 1000\nstate\n"
        "click 500 125\nwait 3500\nstate\n"  // frm23's short track has ended and started again
        "key Escape\nwait 15\nstate\nwait 100\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    EXPECT_EQ(shared(run.states[0])["file"], "data1\\01.dat");
    EXPECT_EQ(shared(run.states[0])["mode"], 2);
    EXPECT_NEAR(double(shared(run.states[0])["length"]), probedMs(fs::path(test_paths::demoTree) / "data1" / "01.dat"), 50);
    EXPECT_EQ(shared(run.states[0])["position"], 1040);  // opened 10 ms after the main menu came up at 20
    EXPECT_EQ(run.states[0]["vars"]["animationSet"], 1);
    EXPECT_EQ(shared(run.states[1])["file"], "data1\\08.dat");
    EXPECT_EQ(run.states[1]["vars"]["animationSet"], 8);
    const auto& looping = shared(run.states[2]);
    EXPECT_EQ(looping["file"], "data1\\07.dat");
    EXPECT_EQ(looping["mode"], 2);
    const int length = looping["length"], position = looping["position"];
    ASSERT_LT(length, 3400);
    // Started about 10 ms after the end of its first run, wherever the loop now stands.
    EXPECT_NEAR(position, (3500 - 10) % (length + 10), 20);
    // Going back: frm9's track from its start and its animation from its first frame.
    EXPECT_EQ(run.states[3]["active"], "frm9");
    EXPECT_EQ(shared(run.states[3])["file"], "data1\\08.dat");
    EXPECT_LE(int(shared(run.states[3])["position"]), 5);
    EXPECT_EQ(run.states[3]["vars"]["animationSet"], 8);
    EXPECT_EQ(run.states[3]["vars"]["animationFrame"], 10);  // loaded; the first tick draws frame 1
    EXPECT_EQ(run.states[4]["vars"]["animationFrame"], 1);
}

TEST(ShellScenario, MusicSwitchOffSilencesLaterScreensAndOnRestartsTheMainTrack) {
    const auto run = runTitle(
        "wait 500\nclick 50 400\nwait 50\nstate\n"
        "click 380 130\nwait 500\nstate\n"
        "key Escape\nwait 500\nclick 50 400\nwait 30\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    EXPECT_EQ(run.states[0]["vars"]["musicOn"], 0);
    EXPECT_EQ(shared(run.states[0])["mode"], 0);
    EXPECT_EQ(run.states[0]["screen"]["musicSwitchLit"], 1);
    EXPECT_EQ(run.states[1]["active"], "frm9");
    EXPECT_EQ(shared(run.states[1])["mode"], 0);
    EXPECT_EQ(run.states[2]["vars"]["musicOn"], 1);
    EXPECT_EQ(shared(run.states[2])["file"], "data1\\01.dat");
    EXPECT_EQ(shared(run.states[2])["mode"], 2);
    EXPECT_LE(int(shared(run.states[2])["position"]), 40);
    EXPECT_EQ(run.states[2]["screen"]["musicSwitchLit"], 0);
}

TEST(ShellScenario, TheIntroEndsWithItsVideoOrAClick) {
    const auto ended = runTitle("wait 7900\nstate\nwait 300\nstate\nquit\n", test_paths::demoTree, false);
    ASSERT_EQ(ended.exitCode, 0) << ended.errors;
    EXPECT_EQ(ended.states[0]["active"], "frm16");
    EXPECT_EQ(ended.states[0]["devices"]["intro"]["mode"], 2);
    EXPECT_EQ(ended.states[1]["active"], "frm1");

    // A click on the panel ends it at once; a click on the picture at the next 100 ms tick.
    const auto panel = runTitle("wait 300\nclick 200 200\nstate\nquit\n", test_paths::demoTree, false);
    EXPECT_EQ(panel.states[0]["active"], "frm1");
    const auto picture = runTitle("wait 305\nclick 500 50\nstate\nwait 100\nstate\nquit\n", test_paths::demoTree, false);
    EXPECT_EQ(picture.states[0]["active"], "frm16");
    EXPECT_EQ(picture.states[1]["active"], "frm1");
    // A close request does nothing.
    const auto closed = runTitle("wait 300\nclose\nkey Alt+F4\nstate\nquit\n", test_paths::demoTree, false);
    EXPECT_EQ(closed.states[0]["active"], "frm16");
}

// The screen opens nothing and says nothing; the main menu's timer, which never stops, keeps the
// track the device already holds going.
TEST(ShellScenario, AMissingTrackOpensNothingAndShowsNoMessage) {
    TempDir tree;
    for (const auto& entry : fs::directory_iterator(test_paths::demoTree)) {
        if (entry.path().filename() == "data1") {
            fs::create_directory(tree / "data1");
            for (const auto& f : fs::directory_iterator(entry.path()))
                if (f.path().filename() != "08.dat") fs::create_symlink(f.path(), tree / "data1" / f.path().filename());
        } else {
            fs::create_symlink(entry.path(), tree / entry.path().filename());
        }
    }
    const auto run = runTitle("click 380 130\nwait 500\nstate\nquit\n", tree.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.states[0]["active"], "frm9");
    EXPECT_EQ(shared(run.states[0])["file"], "data1\\01.dat");
    EXPECT_TRUE(run.states[0]["messageBoxes"].empty());
}

TEST(ShellScenario, TheExitRunsTheExitEffectAndEndsTheProgram) {
    const auto run = runTitle("click 610 440\nwait 5000\nstate\n", test_paths::demoTree);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(run.states.empty());  // ended before the state command
}

TEST(ShellScenario, TheTraceNamesTheFileADeviceClosesWhenItOpensTheNext) {
    TempDir windows;
    const auto run = vemra::testing::runScript(
        "wait 20\nclick 638 470\nwait 300\nclick 380 130\nwait 300\nquit\n",
        "--headless --trace --content '" + std::string(test_paths::demoTree) + "'", "VEMRA_WINDOWS_DIR='" + windows.path().string() + "' ");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto closed = run.errors.find("media shared close data1\\01.dat\n");
    ASSERT_NE(closed, std::string::npos) << run.errors;
    EXPECT_LT(closed, run.errors.find("media shared open data1\\08.dat\n"));
}
