// One damaged file must not take the title down: a corner-animation module that cannot be read
// shows one error box naming it, then every screen works without the animation, and the exit ends
// the program normally; every file of the damaged-file corpus is reported or falls back, and the
// title goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <random>

#include "damaged_corpus.h"
#include "format_builders.h"
#include "test_paths.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// The demo tree, linked entry by entry, with data3 a real directory in which `damaged` is replaced
// by what `plant` puts there.
class DamagedTree {
public:
    template <class Plant>
    DamagedTree(const std::string& damaged, Plant plant) {
        const fs::path demo = test_paths::demoTree;
        for (const auto& entry : fs::directory_iterator(demo))
            if (entry.path().filename() != "data3") fs::create_symlink(entry.path(), dir_ / entry.path().filename().string());
        fs::create_directory(dir_ / "data3");
        for (const auto& entry : fs::directory_iterator(demo / "data3"))
            if (entry.path().filename() != damaged) fs::create_symlink(entry.path(), dir_ / "data3" / entry.path().filename().string());
        plant(dir_ / "data3" / damaged);
    }
    const fs::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
};

void writeBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> randomBytes(std::size_t n) {
    std::mt19937 generator(7);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) b = std::uint8_t(generator());
    return bytes;
}

// A module whose resource type directory points back at the root directory.
std::vector<std::uint8_t> loopingModule() {
    DibSpec pixel;
    pixel.width = pixel.height = 1;
    pixel.pixels = {0, 0, 255, 0};
    Bytes module{peModule({{std::uint16_t(2), std::string("A101"), dib(pixel)}})};
    module.put32(resourceSectionOffset + 16 + 4, 0x80000000);
    return module.data;
}

const std::pair<const char*, std::function<void(const fs::path&)>> damages[] = {
    {"empty", [](const fs::path& f) { writeBytes(f, {}); }},
    {"random bytes", [](const fs::path& f) { writeBytes(f, randomBytes(4096)); }},
    {"a resource directory loop", [](const fs::path& f) { writeBytes(f, loopingModule()); }},
    {"a directory", [](const fs::path& f) { fs::create_directory(f); }},
};

}  // namespace

TEST(DamagedContent, AnUnreadableAnimationModuleIsReportedOnceAndTheTitleGoesOn) {
    // The box appears at the main menu's first activation; a close request answers it, the main
    // menu comes back (activating again without a second box), a section opens and closes, the exit ends.
    const std::string script =
        "state\nclose\nwait 100\nstate\nclick 380 130\nwait 300\nstate\nkey Escape\nwait 300\nstate\n"
        "click 610 440\nwait 3000\n";
    for (const auto& [what, plant] : damages) {
        const DamagedTree tree("qem001.dat", plant);
        const auto run = runOnTree(tree.path(), script);
        EXPECT_EQ(run.exitCode, 0) << what << "\n" << run.errors;
        ASSERT_EQ(run.states.size(), 4u) << what << "\n" << run.errors;
        const auto& boxes = run.states[0]["messageBoxes"];
        ASSERT_EQ(boxes.size(), 1u) << what;
        EXPECT_NE(std::string(boxes[0]["text"]).find("data3\\qem001.dat"), std::string::npos) << what << ": " << boxes[0];
        for (std::size_t i = 1; i < 4; ++i) EXPECT_TRUE(run.states[i]["messageBoxes"].empty()) << what << " " << i;
        EXPECT_EQ(run.states[1]["active"], "frm1") << what;
        EXPECT_EQ(run.states[2]["active"], "frm9") << what;
        EXPECT_EQ(run.states[2]["devices"]["shared"]["file"], "data1\\08.dat") << what;
        EXPECT_EQ(run.states[3]["active"], "frm1") << what;
    }
}

namespace {

// How to reach the screen that reads a file from the main menu, and how many Escapes lead back.
// A box raised while the intro plays holds it up: the intro is clicked away again after the box.
struct Road {
    std::string script;
    int depth = 0;
    bool duringIntro = false;
};

// Long enough for any transition effect to end (input waits for it).
const std::string settle = "wait 1500\n";
// A click that ends the intro and does nothing on the main menu.
const std::string skipIntro = "click 300 350\nwait 300\n";
const std::string toFrm27 = "click 380 255\n" + settle + "click 550 345\n" + settle;
const std::string toGalleryPicture = toFrm27 + "click 470 148\nwait 300\n";
const std::string toFrm5 = "click 530 195\n" + settle;
const std::string toAlbum = toFrm5 + "click 290 440\n" + settle;
const std::string toClips = toFrm5 + "click 420 440\n" + settle;
const std::string toFrm23 = "click 380 130\n" + settle + "click 500 125\n" + settle;

const std::map<std::string, Road> roads = {
    {"start", {"", 0, true}},
    {"intro", {"", 0, true}},
    {"frm9", {"click 380 130\n" + settle, 1}},
    {"frm11", {"click 380 130\n" + settle + "click 500 170\n" + settle, 2}},
    {"frm27", {toFrm27, 2}},
    {"gallery picture", {toGalleryPicture, 2}},
    {"gallery sound", {toGalleryPicture + "click 220 292\nwait 500\n", 2}},
    {"frm19", {"click 380 130\n" + settle + "click 500 170\n" + settle + "click 200 203\n" + settle, 3}},
    {"frm18", {"click 460 70\n" + settle, 1}},
    {"frm5 place", {toFrm5 + "click 313 80\nwait 300\n", 1}},
    {"frm30", {toAlbum, 2}},
    {"album picture", {toAlbum + "click 570 170\n" + settle, 2}},
    {"frm31", {toClips, 2}},
    {"clip", {toClips + "click 520 160\nwait 1000\n", 2}},
    {"frm2", {"click 530 130\n" + settle + "click 420 270\nwait 1000\n", 2}},
    {"frm32", {"click 580 70\n" + settle + "click 50 30\n" + settle, 2}},
    {"search", {toFrm23 + "click 530 300\n" + settle + "click 407 415\nwait 300\ntype fhtd\nwait 100\n", 4}},
};

// The demo tree with a link to the case's file in place of the demo's; system.ini goes to the
// Windows directory instead.
class CaseTree {
public:
    explicit CaseTree(const CorpusCase& c) {
        std::string relative = c.contentPath;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const fs::path damaged = fs::path(test_paths::damagedCorpus) / c.name / relative;
        if (relative.starts_with("windows/")) {
            fs::create_symlink(damaged, windows_.path() / "system.ini");
        } else {
            tree_.emplace(c.contentPath);
            fs::create_symlink(damaged, tree_->path() / relative);
        }
    }
    fs::path content() const { return tree_ ? tree_->path() : fs::path(test_paths::demoTree); }
    const fs::path& windows() const { return windows_.path(); }

private:
    std::optional<DemoTreeWithout> tree_;
    TempDir windows_;
};

// The parts of an outcome ("box A | B", "screen NAME", "silent") after its kind.
std::vector<std::string> outcomeParts(const std::string& expected, std::string_view kind) {
    std::vector<std::string> parts;
    if (!expected.starts_with(kind)) return parts;
    std::string rest = expected.substr(std::min(expected.size(), kind.size() + 1));
    for (std::size_t bar; (bar = rest.find(" | ")) != std::string::npos; rest.erase(0, bar + 3)) parts.push_back(rest.substr(0, bar));
    parts.push_back(rest);
    return parts;
}

// Plays the case's road and checks what the table says; then the title must go back, open another
// screen and end normally.
void playCase(const CorpusCase& c) {
    SCOPED_TRACE(c.name + " (" + c.contentPath + ", " + c.damage + ")");
    const auto road = roads.find(c.road);
    ASSERT_NE(road, roads.end()) << "no road " << c.road;
    const auto boxTexts = outcomeParts(c.expected, "box");
    const auto screen = outcomeParts(c.expected, "screen");
    std::string script = "wait 20\n" + skipIntro + road->second.script + "wait 300\nstate\n";
    if (!boxTexts.empty()) script += "close\nwait 300\n" + (road->second.duringIntro ? skipIntro : "");
    for (int i = 0; i < road->second.depth + int(screen.size()); ++i) script += "key Escape\n" + settle;
    script += "state\nclick 380 130\n" + settle + "state\nkey Escape\n" + settle + "click 610 440\nwait 3000\n";

    const CaseTree tree(c);
    const auto run = runScript(script, "--headless --content '" + tree.content().string() + "'",
                               "VEMRA_WINDOWS_DIR='" + tree.windows().string() + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
    ASSERT_EQ(run.states.size(), 3u) << run.errors;
    const auto& boxes = run.states[0]["messageBoxes"];
    if (!boxTexts.empty()) {
        ASSERT_EQ(boxes.size(), 1u) << boxes;
        for (const auto& part : boxTexts) EXPECT_NE(std::string(boxes[0]["text"]).find(part), std::string::npos) << boxes[0];
    } else {
        EXPECT_TRUE(boxes.empty()) << boxes;
    }
    if (!screen.empty()) {
        EXPECT_EQ(run.states[0]["active"], screen[0]);
    }
    EXPECT_EQ(run.states[1]["active"], "frm1");
    EXPECT_TRUE(run.states[1]["messageBoxes"].empty()) << run.states[1]["messageBoxes"];
    EXPECT_EQ(run.states[2]["active"], "frm9");
}

}  // namespace

// Every test run plays the cases marked quick in the sanitizer build; VEMRA_DAMAGED_CORPUS=full
// (scripts/damaged-corpus) plays them all, two at a time.
TEST(DamagedContent, EveryFileOfTheCorpusIsReportedOrFallsBackAndTheTitleGoesOn) {
#ifndef VEMRA_SANITIZER_BUILD
    GTEST_SKIP() << "played in the sanitizer build";
#endif
    const std::vector<CorpusCase> cases = casesToPlay();
    ASSERT_FALSE(cases.empty()) << "no corpus at " << test_paths::damagedCorpus << " (./test makes it)";
    playTwoAtATime(cases, playCase);
}
