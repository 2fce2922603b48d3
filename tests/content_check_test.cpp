// --check-content: the demo tree and both its disc images read whole and ok; names found only in
// another case, missing files and files no rule names; nothing written and no display needed; and
// every case of the damaged-file corpus reported as damaged or missing with the reason its table gives.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <set>

#include <nlohmann/json.hpp>

#include "damaged_corpus.h"
#include "scenario_support.h"
#include "test_paths.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

struct Check {
    int exitCode = -1;
    std::string out, errors;
    nlohmann::json report;  // with --json
};

// Runs the check on `content` without a display and with an empty private Windows directory,
// which must stay empty.
Check runCheck(const fs::path& content, bool json = true, const std::string& extra = "") {
    const TempDir logs;
    const TempDir windows;
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY VEMRA_WINDOWS_DIR='" + windows.path().string() + "' '" +
                                std::string(test_paths::binary) + "' --check-content '" + content.string() + "'" +
                                (json ? " --json" : "") + extra + " >'" + (logs / "out").string() + "' 2>'" +
                                (logs / "err").string() + "'";
    const int status = std::system(command.c_str());
    Check check{WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileContents(logs / "out"), fileContents(logs / "err"), {}};
    EXPECT_TRUE(fs::is_empty(windows.path())) << "the check wrote into the Windows directory";
    if (json) check.report = nlohmann::json::parse(check.out, nullptr, false);
    return check;
}

const nlohmann::json* fileEntry(const nlohmann::json& report, std::string_view path) {
    for (const auto& f : report["files"])
        if (f["path"] == path) return &f;
    return nullptr;
}

// Every file and what the tree holds, with modification times, to see that nothing changed.
std::set<std::string> snapshot(const fs::path& tree) {
    std::set<std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(tree)) {
        std::error_code error;
        const auto time = fs::last_write_time(e.path(), error);
        entries.insert(e.path().string() + " " + std::to_string(time.time_since_epoch().count()));
    }
    return entries;
}

}  // namespace

TEST(ContentCheck, TheDemoTreeAndBothItsImagesReadWholeAndOk) {
    std::optional<std::size_t> files;
    for (const fs::path& content : {fs::path(test_paths::demoTree), fs::path(test_paths::demoTree).parent_path() / "demo.iso",
                                   fs::path(test_paths::demoTree).parent_path() / "demo-old.iso"}) {
        SCOPED_TRACE(content.string());
        const auto before = fs::is_directory(content) ? snapshot(content) : std::set<std::string>{};
        const Check check = runCheck(content);
        EXPECT_EQ(check.exitCode, 0) << check.errors;
        ASSERT_TRUE(check.report.is_object()) << check.out;
        const auto& summary = check.report["summary"];
        EXPECT_EQ(summary["missing"], 0);
        EXPECT_EQ(summary["damaged"], 0);
        EXPECT_TRUE(summary["plays"]);
        for (const auto& f : check.report["files"]) EXPECT_EQ(f["state"], "ok") << f;
        if (!files) files = check.report["files"].size();
        EXPECT_EQ(check.report["files"].size(), *files) << "every source names the same files";
        // Every kind of file is among them.
        for (const char* path : {"read01.fon", "qem00.ani", "l3codecp.acm", "data1\\data2.cur", "data1\\1\\c1.txt",
                                 "data1\\00.dat", "data1\\19.dat", "data1\\qem01.avi", "data1\\qem07.dat", "data4\\223.dat",
                                 "data4\\100.dat", "data3\\24.bmp", "data3\\qem001.dat", "data3\\qem002.dat",
                                 "data3\\qem008.dat", "data2\\qem0110.dat", "data2\\qem0151.dat", "data5\\11.mpg",
                                 "art\\frm1\\m1.bmp"})
            EXPECT_NE(fileEntry(check.report, path), nullptr) << path;
        for (const auto& path : check.report["unnamed"]) EXPECT_EQ(path, ".made-by-kit");
        if (fs::is_directory(content)) {
            EXPECT_EQ(snapshot(content), before) << "the check changed the tree";
        }
    }
    EXPECT_GT(*files, 400u);
}

TEST(ContentCheck, ThePlainReportHasATableAFolderAndASummary) {
    const Check check = runCheck(test_paths::demoTree, false);
    EXPECT_EQ(check.exitCode, 0) << check.errors;
    EXPECT_NE(check.out.find("data1 (29 files: 29 ok, 0 missing, 0 damaged)"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("  08.dat "), std::string::npos);
    EXPECT_NE(check.out.find("files no rule names (never read by the title):\n  .made-by-kit"), std::string::npos);
    EXPECT_NE(check.out.find("0 missing, 0 damaged; 1 other file no rule names\nevery file the title reads is there"),
              std::string::npos)
        << check.out;
    EXPECT_TRUE(check.errors.empty()) << "no progress bar unless standard error is a terminal: " << check.errors;
}

TEST(ContentCheck, ANameInAnotherCaseWorksAndIsNotedAMissingFileIsReported) {
    const DemoTreeWithout tree({"data1\\08.dat", "data3\\13.bmp", "data2\\qem0045.dat"});
    fs::create_symlink(fs::path(test_paths::demoTree) / "data1" / "08.dat", tree.path() / "data1" / "08.DAT");
    fs::create_symlink(fs::path(test_paths::demoTree) / "data2" / "qem0045.dat", tree.path() / "data2" / "QEM0045.dat");
    std::ofstream(tree.path() / "data1" / "notes.txt") << "not the title's\n";
    const Check check = runCheck(tree.path());
    EXPECT_EQ(check.exitCode, 1);
    const auto* track = fileEntry(check.report, "data1\\08.dat");
    ASSERT_NE(track, nullptr);
    EXPECT_EQ((*track)["state"], "ok");
    EXPECT_EQ((*track)["storedAs"], "data1\\08.DAT");
    const auto* clips = fileEntry(check.report, "data2\\qem0045.dat");
    ASSERT_NE(clips, nullptr);
    EXPECT_EQ((*clips)["state"], "ok");
    const auto* picture = fileEntry(check.report, "data3\\13.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ((*picture)["state"], "missing");
    EXPECT_EQ((*picture)["reasons"][0], "cannot open data3\\13.bmp: no such file");
    EXPECT_EQ(check.report["summary"]["missing"], 1);
    EXPECT_EQ(check.report["summary"]["otherCase"], 2);
    EXPECT_NE(std::find(check.report["unnamed"].begin(), check.report["unnamed"].end(), "data1\\notes.txt"), check.report["unnamed"].end())
        << check.report["unnamed"];
}

namespace {

// Damages that leave a file the title's readers and the check rightly take as whole: a constant-rate
// MP3 cut in half where the half falls between two frames is a complete, shorter MP3.
const std::set<std::string> wholeAfterDamage = {"data1-01-dat--cut-in-half", "data4-070-dat--cut-in-half",
                                                "data1-qem05-dat--cut-in-half"};

void checkCase(const CorpusCase& c) {
    SCOPED_TRACE(c.name + " (" + c.contentPath + ", " + c.damage + "): " + c.expected);
    std::string relative = c.contentPath;
    std::ranges::replace(relative, '\\', '/');
    const DemoTreeWithout tree(c.contentPath);
    fs::create_symlink(fs::path(test_paths::damagedCorpus) / c.name / relative, tree.path() / relative);
    const Check check = runCheck(tree.path());
    ASSERT_TRUE(check.report.is_object()) << check.errors;
    const auto* file = fileEntry(check.report, c.contentPath);
    ASSERT_NE(file, nullptr) << "the check does not name " << c.contentPath;
    if (wholeAfterDamage.contains(c.name)) {
        EXPECT_EQ((*file)["state"], "ok") << *file;
        return;
    }
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE((*file)["state"], "ok") << *file;
    // A box's words are in the reasons of a file the check reports (the title's message may name
    // the file that a damaged one points into).
    if (!c.expected.starts_with("box ")) return;
    std::vector<std::string> parts;
    std::string rest = c.expected.substr(4);
    for (std::size_t bar; (bar = rest.find(" | ")) != std::string::npos; rest.erase(0, bar + 3)) parts.push_back(rest.substr(0, bar));
    parts.push_back(rest);
    bool found = false;
    for (const auto& f : check.report["files"])
        for (const auto& reason : f["reasons"])
            found = found || std::ranges::all_of(parts, [&](const std::string& p) {
                        return std::string(reason).find(p) != std::string::npos;
                    });
    EXPECT_TRUE(found) << *file;
}

}  // namespace

// The corpus's quick sample in every plain test run (the sanitizer run leaves it out: ./test's time);
// VEMRA_DAMAGED_CORPUS=full (scripts/damaged-corpus) checks every case, two at a time, in either
// build. system.ini is the program's own file, not content: left out.
TEST(ContentCheck, EveryCaseOfTheDamagedCorpusIsReportedWithTheReasonItsTableGives) {
#ifdef VEMRA_SANITIZER_BUILD
    const char* which = std::getenv("VEMRA_DAMAGED_CORPUS");
    if (!which || std::string(which) != "full") GTEST_SKIP() << "the quick sample is checked in the plain build";
#endif
    std::vector<CorpusCase> cases;
    for (auto& c : casesToPlay())
        if (!c.contentPath.starts_with("windows/")) cases.push_back(std::move(c));
    ASSERT_FALSE(cases.empty()) << "no corpus at " << test_paths::damagedCorpus << " (./test makes it)";
    playTwoAtATime(cases, checkCase);
}
