// The program as a desktop user meets it: --help and --version, a clear line when it finds no
// title, and an installation with a valid desktop entry and metainfo, the kit's icons, a manual
// page, and a changelog and copyright file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gfx/png.h"
#include "scenario_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

// What a shell command writes to standard output, and its exit status.
std::pair<std::string, int> output(const std::string& command) {
    std::string text;
    FILE* out = popen(command.c_str(), "r");
    if (!out) return {"", -1};
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, out)) > 0;) text.append(buf, n);
    const int status = pclose(out);
    return {text, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// The text from `from` up to the next `end`.
std::string textUpTo(const std::string& text, std::size_t from, char end) { return text.substr(from, text.find(end, from) - from); }

}  // namespace

TEST(Install, HelpVersionAndNoContentAnswerLikeOtherPrograms) {
    const auto [help, helpStatus] = output("'" + std::string(test_paths::binary) + "' --help");
    EXPECT_EQ(helpStatus, 0);
    EXPECT_TRUE(help.starts_with("usage: vemra")) << help;
    EXPECT_NE(help.find("--content DIR|IMAGE"), std::string::npos) << help;
    EXPECT_NE(help.find("F12"), std::string::npos) << help;
    EXPECT_NE(help.find("--export-text OUT"), std::string::npos) << help;
    EXPECT_EQ(output("'" + std::string(test_paths::binary) + "' --version"), std::make_pair(std::string("vemra 1.0.0\n"), 0));

    const TempDir empty;
    const auto run = runScript("quit\n", "--headless", "cd '" + empty.path().string() + "' && ");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
    EXPECT_TRUE(run.errors.starts_with("vemra: no title content in " + empty.path().string())) << run.errors;
    for (const char* hint : {"--content FILE.iso", "--content DIR", "build/demo"})
        EXPECT_NE(run.errors.find(hint), std::string::npos) << run.errors;
    // Named on the command line, a folder without a title is refused alike.
    const auto named = runScript("quit\n", "--headless --content '" + empty.path().string() + "'");
    EXPECT_EQ(named.exitCode, 2);
    EXPECT_TRUE(named.errors.starts_with("vemra: no title content in " + empty.path().string())) << named.errors;
}

TEST(Install, AScriptThatIsNoTextIsRefusedWithItsReason) {
    const TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::ofstream(dir / "nul.script", std::ios::binary) << std::string("wait 1\nwa\0it 2\n", 13);
    std::ofstream(dir / "long.script") << "wait 1\n\n" << std::string((1 << 20) + 1, '#') << "\nquit\n";
    const std::pair<std::string, std::string> cases[] = {
        {dir.path().string(), "cannot read the script " + dir.path().string() + ": it is a directory"},
        {"/dev/zero", "cannot read the script /dev/zero: it is not a regular file"},
        {(dir / "fifo").string(), "cannot read the script " + (dir / "fifo").string() + ": it is not a regular file"},
        {(dir / "none").string(), "cannot read the script " + (dir / "none").string() + ": No such file or directory"},
        {(dir / "nul.script").string(), "cannot read the script " + (dir / "nul.script").string() + ": line 2 holds a NUL byte"},
        {(dir / "long.script").string(), "script line 3: longer than 1 MiB"},
    };
    for (const auto& [script, message] : cases) {
        const auto [errors, status] =
            output("'" + std::string(test_paths::binary) + "' --headless --toolkit-check --script '" + script + "' 2>&1");
        EXPECT_EQ(status, 1) << script;
        EXPECT_TRUE(errors.starts_with("vemra: " + message)) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    }
}

TEST(Install, InstallsTheProgramWithItsDesktopMetadataIconsManualPageAndDocuments) {
    const TempDir prefix;
    const auto [log, status] = output("cmake --install '" + std::string(test_paths::buildDir) + "' --prefix '" + prefix.path().string() + "' 2>&1");
    ASSERT_EQ(status, 0) << log;
    const auto [version, versionStatus] = output("'" + (prefix / "bin/vemra").string() + "' --version");
    ASSERT_EQ(versionStatus, 0);
    const std::string number = textUpTo(version, version.find(' ') + 1, '\n');

    const std::string desktop = (prefix / "share/applications/vemra.desktop").string();
    EXPECT_EQ(output("desktop-file-validate '" + desktop + "' 2>&1"), std::make_pair(std::string(), 0));
    const std::string metainfo = (prefix / "share/metainfo/org.vemra.vemra.metainfo.xml").string();
    const auto [verdict, validStatus] = output("appstreamcli validate --no-net --pedantic '" + metainfo + "' 2>&1");
    EXPECT_EQ(validStatus, 0) << verdict;
    EXPECT_EQ(verdict.find("\nI:"), std::string::npos) << verdict;  // not even a pedantic remark
    // The metainfo offers the program for the disc images its desktop entry opens, and no others.
    const std::string entry = output("cat '" + desktop + "'").first, info = output("cat '" + metainfo + "'").first;
    std::string mediaTypes;
    for (auto at = info.find("<mediatype>"); at != std::string::npos; at = info.find("<mediatype>", at + 1))
        mediaTypes += textUpTo(info, at + 11, '<') + ";";
    EXPECT_EQ(mediaTypes, textUpTo(entry, entry.find("\nMimeType=") + 10, '\n'));

    // Every place that names the version names the program's.
    EXPECT_NE(info.find("<release version=\"" + number + "\" date=\""), std::string::npos) << number;
    const auto [changelog, gzipStatus] = output("gzip -dc '" + (prefix / "share/doc/vemra/changelog.gz").string() + "'");
    EXPECT_EQ(gzipStatus, 0);
    EXPECT_TRUE(changelog.starts_with("vemra (" + number + ") ")) << changelog;
    EXPECT_NE(output("cat '" + (prefix / "share/doc/vemra/copyright").string() + "'").first.find("Upstream-Name: vemra\n"),
              std::string::npos);

    for (const int size : {48, 64, 128, 256}) {
        const auto dir = "share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/vemra.png";
        EXPECT_EQ(gfx::readPng(prefix / dir).size(), (gfx::Size{size, size})) << dir;
    }
    const auto [page, manStatus] = output("MANWIDTH=80 man -l '" + (prefix / "share/man/man1/vemra.1.gz").string() + "' 2>&1");
    EXPECT_EQ(manStatus, 0);
    for (const std::string& part :
         std::vector<std::string>{"NAME", "vemra - play", "--content", "--export-text", "F12", "VEMRA_WINDOWS_DIR", "vemra " + number})
        EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;
}

TEST(Install, TheScreenshotKeyWritesThePictureOfTheDisplayIntoThePicturesDirectory) {
    const TempDir dir;
    const std::string pictures = (dir / "My Pictures").string();
    const auto run = runScript("wait 100\nkey 123\nshot " + (dir / "shot.png").string() + "\nquit\n",
                               "--headless --toolkit-check --trace", "XDG_PICTURES_DIR='" + pictures + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const auto at = run.errors.find("screenshot " + pictures + "/vemra-");
    ASSERT_NE(at, std::string::npos) << run.errors;
    const std::string file = run.errors.substr(at + 11, run.errors.find('\n', at) - at - 11);
    EXPECT_TRUE(file.ends_with(".png")) << file;
    EXPECT_TRUE(gfx::readPng(file) == gfx::readPng(dir / "shot.png"));
}
