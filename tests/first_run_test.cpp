#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>

#include "scenario_support.h"

// The desktop journey: a start with no content named opens the program's own first-run window,
// which finds titles in the usual places, plays one chosen or dropped, and remembers it.

namespace vemra::testing {
namespace {

using namespace std::chrono_literals;

std::string screenOf(const nlohmann::json& state) { return state["active"].get<std::string>(); }

// A scratch desktop: a home, a configuration folder and a stand-in for /media/$USER.
struct Desktop {
    TempDir root;
    std::filesystem::path home = root / "home";
    std::filesystem::path config = root / "config";
    std::filesystem::path media = root / "media";
    TempDir windowsDir;

    Desktop() {
        for (const auto& d : {home, config, media}) std::filesystem::create_directories(d);
    }
    std::string env(const VirtualDisplay& display) const {
        return display.env() + "HOME='" + home.string() + "' XDG_CONFIG_HOME='" + config.string() + "' VEMRA_MOUNT_ROOTS='" +
               media.string() + "' VEMRA_WINDOWS_DIR='" + windowsDir.path().string() + "' ";
    }
    ScriptRun start(const VirtualDisplay& display, const std::string& script, const std::string& args = "") const {
        return runScript(script + "state\nquit\n", "--scale 1 " + args, env(display));
    }
};

TEST(FirstRun, FindsTitlesPlaysOneAndRemembersItUntilItIsGone) {
    const VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not usable";
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(test_paths::demoTree) / "data1"));
    Desktop desktop;

    auto run = desktop.start(display, "wait 300\n");
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    EXPECT_EQ(screenOf(run.states[0]), "firstRun");
    EXPECT_TRUE(run.states[0]["screen"]["titles"].empty());

    // A disc mounted while the window is open (once it has shown, which its screenshot marks)
    // appears without a restart; a click plays it.
    const auto mounted = desktop.media / "TITLE_DISC";
    const auto shown = desktop.root / "shown.png";
    auto later = std::async(std::launch::async, [&] {
        return desktop.start(display, "wait 300\nstate\nshot " + shown.string() + "\nwait 4000\nstate\nclick 100 205\nwait 300\n");
    });
    for (int i = 0; i < 1000 && !std::filesystem::exists(shown); ++i) std::this_thread::sleep_for(20ms);
    std::filesystem::create_directory_symlink(test_paths::demoTree, mounted);
    run = later.get();
    ASSERT_EQ(run.states.size(), 3u) << run.errors;
    EXPECT_TRUE(run.states[0]["screen"]["titles"].empty());
    ASSERT_EQ(run.states[1]["screen"]["titles"].size(), 1u);
    EXPECT_EQ(run.states[1]["screen"]["titles"][0]["location"], mounted.string());
    EXPECT_NE(screenOf(run.states[2]), "firstRun");

    // The next start with nothing named plays it at once; once it is gone the window says so.
    run = desktop.start(display, "wait 100\n");
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    EXPECT_NE(screenOf(run.states[0]), "firstRun");
    std::filesystem::remove(mounted);
    run = desktop.start(display, "wait 300\n");
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    EXPECT_EQ(screenOf(run.states[0]), "firstRun");
    EXPECT_NE(run.states[0]["screen"]["note"].get<std::string>().find(mounted.string()), std::string::npos);
    run = desktop.start(display, "wait 300\n", "--forget");
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    EXPECT_EQ(run.states[0]["screen"]["note"], "");
    EXPECT_FALSE(std::filesystem::exists(desktop.config / "vemra" / "vemra.conf"));
}

TEST(FirstRun, FindsImagesInTheUsersFoldersAndPlaysWhatIsDropped) {
    const VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not usable";
    Desktop desktop;
    // A Persian desktop names the download folder in Persian.
    const auto downloads = desktop.home / "\u0628\u0627\u0631\u06AF\u06CC\u0631\u06CC";
    std::filesystem::create_directories(downloads);
    std::ofstream(desktop.config / "user-dirs.dirs") << "# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/"
                                                    << downloads.filename().string() << "\"\n";
    const auto image = downloads / "Title.ISO";
    std::filesystem::copy_file(std::string(test_paths::demoTree) + ".iso", image);
    std::ofstream(downloads / "notes.iso") << "not a disc";
    std::filesystem::create_directories(desktop.home / "Desktop" / "copy" / "data2");

    const auto run = desktop.start(display, "wait 300\ndrop " + (downloads / "notes.iso").string() + "\nstate\ndrop " +
                                                (desktop.home / "Desktop" / "copy").string() + "\nstate\ndrop " +
                                                image.string() + "\nwait 300\n");
    ASSERT_EQ(run.states.size(), 3u) << run.errors;
    const auto& titles = run.states[0]["screen"]["titles"];
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0]["location"], image.string());
    EXPECT_TRUE(titles[0]["image"].get<bool>());
    EXPECT_NE(run.states[0]["screen"]["note"].get<std::string>().find("not a disc image"), std::string::npos);
    EXPECT_NE(run.states[1]["screen"]["note"].get<std::string>().find("no data1 folder"), std::string::npos);
    EXPECT_NE(screenOf(run.states[2]), "firstRun");
    std::ifstream conf(desktop.config / "vemra" / "vemra.conf");
    const std::string kept{std::istreambuf_iterator<char>(conf), std::istreambuf_iterator<char>()};
    EXPECT_NE(kept.find("content=" + image.string() + "\n"), std::string::npos);
}

// An error that ends the program before the title starts waits in a box for its button.
TEST(FirstRun, AStartErrorShowsInABoxUntilItsButtonIsPressed) {
    const VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not usable";
    Desktop desktop;
    const auto bad = desktop.root / "bad.iso";
    std::ofstream(bad) << "not a disc";
    auto later = std::async(std::launch::async, [&] { return desktop.start(display, "", "--content '" + bad.string() + "'"); });
    const std::string x = "DISPLAY=" + display.name() + " ";
    std::string box;
    for (int i = 0; i < 200 && box.empty(); ++i) {
        box = commandOutput(x + "xwininfo -root -tree | awk '/\"vemra\":/ {print $1}'");
        if (box.empty()) std::this_thread::sleep_for(50ms);
    }
    ASSERT_FALSE(box.empty()) << "no box appeared";
    EXPECT_EQ(later.wait_for(300ms), std::future_status::timeout) << "the program ended without waiting for the button";
    box = box.substr(0, box.find('\n'));
    commandOutput(x + "xdotool mousemove --window " + box + " 10 10 key Return");
    const auto run = later.get();
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find(bad.string()), std::string::npos);
}

}  // namespace
}  // namespace vemra::testing
