// Start-up's preparation of the machine: the codec entry in system.ini and the stale scratch file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/win/profile.h"
#include "scenario_support.h"
#include "shell/windows_dir.h"

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
        "--headless --trace --content '" VEMRA_DEMO_TREE "'", "VEMRA_WINDOWS_DIR='" + windows.path().string() + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_FALSE(fs::exists(windows / "~~~.mpg"));
    const auto lastWindow = run.errors.rfind("window destroyed");
    const auto fontsGone = run.errors.find("fonts unregistered");
    ASSERT_NE(fontsGone, std::string::npos) << run.errors;
    EXPECT_GT(fontsGone, lastWindow);
    EXPECT_NE(run.errors.find("fonts registered read01.fon read02.fon Serife.fon"), std::string::npos);
}
