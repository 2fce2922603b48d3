// Start-up's preparation of the machine: the codec entry in system.ini and the stale scratch file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/win/profile.h"
#include "scenario_support.h"
#include "shell/windows_dir.h"
#include "test_paths.h"

using vemra::testing::TempDir;
namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

using vemra::shell::codecCheck;

// A content tree of links to the demo tree's entries: what the program makes in it shows.
void linkDemoTree(const fs::path& tree) {
    fs::create_directories(tree);
    for (const auto& entry : fs::directory_iterator(test_paths::demoTree))
        fs::create_symlink(entry.path(), tree / entry.path().filename());
}

std::vector<std::string> namesUnder(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CodecCheck, KeepsAnInstalledEntryAndRewritesEveryOtherOne) {
    TempDir windows, content;
    const std::string dir = windows.path().string() + "/";
    fs::create_directories(windows / "system");
    std::ofstream(windows / "system" / "l3codecp.acm") << "codec";
    const std::string kept = "[boot]\r\nshell=x\r\n[drivers32]\r\nmsacm.l3codec=l3codecp.acm\r\n";
    std::ofstream(windows / "system.Ini", std::ios::binary) << kept;
    codecCheck(dir, content.path());
    EXPECT_EQ(fileText(windows / "system.Ini"), kept);  // found whatever its case, left untouched

    std::ofstream(windows / "system.Ini", std::ios::binary) << "[drivers32]\r\nmsacm.l3codec=L3CODECP.ACM\r\n";
    codecCheck(dir, content.path());
    const std::string expected = content.path().string() + "/l3codecp.acm";
    EXPECT_EQ(vemra::win::readProfileString(windows / "system.Ini", "drivers32", "msacm.l3codec", ""), expected);
}

TEST(CodecCheck, WritesTheContentRootWithOneSeparatorWhenTheEntryIsMissing) {
    TempDir windows;
    const std::string dir = windows.path().string() + "/";
    codecCheck(dir, "/");  // the root ends in a separator already
    EXPECT_EQ(vemra::win::readProfileString(windows / "system.ini", "drivers32", "msacm.l3codec", ""), "/l3codecp.acm");
    TempDir content;
    codecCheck(dir, content.path());  // installed copy missing: rewritten although the entry exists
    EXPECT_EQ(vemra::win::readProfileString(windows / "system.ini", "drivers32", "msacm.l3codec", ""),
              content.path().string() + "/l3codecp.acm");
}

TEST(Startup, DeletesTheStaleScratchFileAndUnregistersTheFontsAfterTheLastWindow) {
    TempDir windows;
    std::ofstream(windows / "~~~.mpg") << "left behind";
    const auto run = vemra::testing::runScript(
        "wait 20\nclick 638 470\nwait 300\nclick 610 440\nwait 3000\n",
        "--headless --trace --content '" + std::string(test_paths::demoTree) + "'", "VEMRA_WINDOWS_DIR='" + windows.path().string() + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_FALSE(fs::exists(windows / "~~~.mpg"));
    const auto lastWindow = run.errors.rfind("window destroyed");
    const auto fontsGone = run.errors.find("fonts unregistered");
    ASSERT_NE(fontsGone, std::string::npos) << run.errors;
    EXPECT_GT(fontsGone, lastWindow);
    EXPECT_NE(run.errors.find("fonts registered read01.fon read02.fon Serife.fon"), std::string::npos);
}

// When the private directory cannot be made, a fresh directory of this user's alone serves, for the
// run only: links planted in the shared temp directory at the names the program uses are neither
// followed nor removed, and nothing is left behind.
TEST(Startup, FallsBackToAPrivateDirectoryForTheRunAndLeavesLinksInTheTempDirectoryAlone) {
    TempDir temp, victim;
    std::ofstream(victim / "precious") << "keep me";
    for (const char* name : {"system.ini", "~~~.mpg", ".system.ini.tmp"})
        fs::create_symlink(victim / "precious", temp / name);
    std::ofstream(temp / "not-a-directory") << "a file where the Windows directory should be";
    const auto run = vemra::testing::runScript(
        "wait 20\nclick 638 470\nwait 300\nstate\nquit\n", "--headless --content '" + std::string(test_paths::demoTree) + "'",
        "TMPDIR='" + temp.path().string() + "' VEMRA_WINDOWS_DIR='" + (temp / "not-a-directory").string() + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    const fs::path used = std::string(run.states[0]["vars"]["windowsDir"]);
    EXPECT_EQ(used.parent_path().parent_path(), temp.path());
    EXPECT_FALSE(fs::exists(used));
    EXPECT_EQ(fileText(victim / "precious"), "keep me");
    for (const char* name : {"system.ini", "~~~.mpg", ".system.ini.tmp"}) EXPECT_TRUE(fs::is_symlink(temp / name)) << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 4);

    // The directory itself, made in this process: the user's alone.
    setenv("TMPDIR", temp.path().c_str(), 1);
    setenv("VEMRA_WINDOWS_DIR", (temp / "not-a-directory").c_str(), 1);
    const fs::path made = vemra::shell::windowsDirectory();
    unsetenv("TMPDIR");
    unsetenv("VEMRA_WINDOWS_DIR");
    EXPECT_EQ(made.parent_path().parent_path(), temp.path());
    EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all);
}

// A profile the user made read-only, or a directory in its place, is left as it is without a word;
// so is a directory in place of the list cursor, which only leaves that cursor unset.
TEST(Startup, ReadOnlyOrUnreadableFilesAreLeftAloneSilently) {
    TempDir windows;
    const std::string readOnly = "[drivers32]\r\nmsacm.l3codec=elsewhere\r\n";
    std::ofstream(windows / "system.ini", std::ios::binary) << readOnly;
    fs::permissions(windows / "system.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    codecCheck(windows.path().string() + "/", "/");
    EXPECT_EQ(fileText(windows / "system.ini"), readOnly);
    EXPECT_EQ(fs::status(windows / "system.ini").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    TempDir content, windows2;
    for (const auto& entry : fs::directory_iterator(test_paths::demoTree))
        if (entry.path().filename() != "data1") fs::create_symlink(entry.path(), content / entry.path().filename().string());
    fs::create_directory(content / "data1");
    for (const auto& entry : fs::directory_iterator(fs::path(test_paths::demoTree) / "data1"))
        if (entry.path().filename() != "data2.cur")
            fs::create_symlink(entry.path(), content / "data1" / entry.path().filename().string());
    fs::create_directory(content / "data1" / "data2.cur");
    fs::create_directory(windows2 / "system.ini");
    const auto run = vemra::testing::runScript(
        "wait 20\nclick 638 470\nwait 300\nstate\nquit\n", "--headless --content '" + content.path().string() + "'",
        "VEMRA_WINDOWS_DIR='" + windows2.path().string() + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u);
    EXPECT_TRUE(run.states[0]["messageBoxes"].empty()) << run.states[0]["messageBoxes"];
    EXPECT_EQ(run.states[0]["active"], "frm1");
    EXPECT_TRUE(fs::is_directory(windows2 / "system.ini"));
}

// Names from the command line, a script and the environment are taken from the directory the program
// was started in, and the content folder is never written: the shots and the Windows directory land
// beside the caller, and the codec entry names the content folder.
TEST(Startup, NamesAreTakenFromTheStartingDirectoryAndTheContentIsNeverWritten) {
    TempDir caller;
    linkDemoTree(caller / "title");
    const auto before = namesUnder(caller / "title");
    const auto shots = vemra::testing::runScript(
        "shot x.png\nwait 20\nclick 638 470\nwait 300\nquit\n", "--headless --content title",
        "cd '" + caller.path().string() + "' && VEMRA_WINDOWS_DIR=wdrel ");
    EXPECT_EQ(shots.exitCode, 0) << shots.errors;
    EXPECT_TRUE(fs::is_regular_file(caller / "x.png"));
    EXPECT_EQ(vemra::win::readProfileString(caller / "wdrel/system.ini", "drivers32", "msacm.l3codec", ""),
              (caller / "title/l3codecp.acm").string());

    // A relative XDG_STATE_HOME is invalid and ignored; a relative HOME is the caller's.
    const auto state = vemra::testing::runScript(
        "wait 20\nclick 638 470\nwait 300\nquit\n", "--headless --content title",
        "cd '" + caller.path().string() + "' && env -u VEMRA_WINDOWS_DIR XDG_STATE_HOME=state HOME=h ");
    EXPECT_EQ(state.exitCode, 0) << state.errors;
    EXPECT_TRUE(fs::is_regular_file(caller / "h/.local/state/vemra/windows/system.ini"));
    EXPECT_FALSE(fs::exists(caller / "state"));
    EXPECT_EQ(namesUnder(caller / "title"), before);
}
