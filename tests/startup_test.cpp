// Start-up's preparation of the machine: the codec entry in system.ini and the stale scratch file.
#include <gtest/gtest.h>

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

// Runs the codec check with the working directory set to `cwd`.
void checkFrom(const fs::path& cwd, const std::string& windowsDir) {
    const fs::path before = fs::current_path();
    fs::current_path(cwd);
    vemra::shell::codecCheck(windowsDir);
    fs::current_path(before);
}

}  // namespace

TEST(CodecCheck, KeepsAnInstalledEntryAndRewritesEveryOtherOne) {
    TempDir windows, content;
    const std::string dir = windows.path().string() + "/";
    fs::create_directories(windows / "system");
    std::ofstream(windows / "system" / "l3codecp.acm") << "codec";
    const std::string kept = "[boot]\r\nshell=x\r\n[drivers32]\r\nmsacm.l3codec=l3codecp.acm\r\n";
    std::ofstream(windows / "system.Ini", std::ios::binary) << kept;
    checkFrom(content.path(), dir);
    EXPECT_EQ(fileText(windows / "system.Ini"), kept);  // found whatever its case, left untouched

    std::ofstream(windows / "system.Ini", std::ios::binary) << "[drivers32]\r\nmsacm.l3codec=L3CODECP.ACM\r\n";
    checkFrom(content.path(), dir);
    const std::string expected = content.path().string() + "/l3codecp.acm";
    EXPECT_EQ(vemra::win::readProfileString(windows / "system.Ini", "drivers32", "msacm.l3codec", ""), expected);
}

TEST(CodecCheck, WritesTheWorkingDirectoryWithOneSeparatorWhenTheEntryIsMissing) {
    TempDir windows;
    const std::string dir = windows.path().string() + "/";
    checkFrom("/", dir);  // the root ends in a separator already
    EXPECT_EQ(vemra::win::readProfileString(windows / "system.ini", "drivers32", "msacm.l3codec", ""), "/l3codecp.acm");
    TempDir content;
    checkFrom(content.path(), dir);  // installed copy missing: rewritten although the entry exists
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

// When the private directory cannot be made, a fresh directory of this user's alone serves: links
// planted in the shared temp directory at the names the program uses are neither followed nor removed.
TEST(Startup, FallsBackToAPrivateDirectoryAndLeavesLinksInTheTempDirectoryAlone) {
    TempDir temp, victim;
    std::ofstream(victim / "precious") << "keep me";
    for (const char* name : {"system.ini", "~~~.mpg", ".system.ini.tmp"})
        fs::create_symlink(victim / "precious", temp / name);
    std::ofstream(temp / "not-a-directory") << "a file where the Windows directory should be";
    const auto run = vemra::testing::runScript(
        "wait 20\nclick 638 470\nwait 300\nquit\n", "--headless --content '" + std::string(test_paths::demoTree) + "'",
        "TMPDIR='" + temp.path().string() + "' VEMRA_WINDOWS_DIR='" + (temp / "not-a-directory").string() + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(fileText(victim / "precious"), "keep me");
    for (const char* name : {"system.ini", "~~~.mpg", ".system.ini.tmp"}) EXPECT_TRUE(fs::is_symlink(temp / name)) << name;
    int privateDirs = 0;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        if (entry.is_symlink() || !entry.is_directory()) continue;
        ++privateDirs;
        EXPECT_EQ(fs::status(entry.path()).permissions() & fs::perms::all, fs::perms::owner_all);
        EXPECT_TRUE(fs::is_regular_file(entry.path() / "system.ini"));
    }
    EXPECT_EQ(privateDirs, 1);
}

// A profile the user made read-only, or a directory in its place, is left as it is without a word;
// so is a directory in place of the list cursor, which only leaves that cursor unset.
TEST(Startup, ReadOnlyOrUnreadableFilesAreLeftAloneSilently) {
    TempDir windows;
    const std::string readOnly = "[drivers32]\r\nmsacm.l3codec=elsewhere\r\n";
    std::ofstream(windows / "system.ini", std::ios::binary) << readOnly;
    fs::permissions(windows / "system.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    vemra::shell::codecCheck(windows.path().string() + "/");
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
