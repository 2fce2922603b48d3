// The demo tree in the formats of the time (vemra-kit demo --period-formats: RIFF WAVE with PCM,
// IMA and Microsoft ADPCM and MPEG Layer-3, MPEG-1 Layer II and program streams, a Cinepak intro
// with ADPCM sound, a Microsoft Video 1 clip with MP3 sound, run-length encoded, 4-bit and top-down
// bitmaps) plays the typical road as the plain tree does: the same states, the same screenshots
// (the artwork is the same pictures), and the content check passes on it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gfx/png.h"
#include "scenario_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

fs::path periodTree() { return fs::path(test_paths::demoTree).parent_path() / "demo-period"; }

const std::string settle = "wait 1500\n";

// The road: the intro to its end, the main menu's music, a section and its list, an article, the
// tour player with its pages turning, a gallery sound, an album picture, a clip. `shots` names the
// folder the screenshots go to.
std::string road(const fs::path& shots) {
    const auto shot = [&](const char* name) { return "shot " + (shots / name).string() + ".png\n"; };
    return "wait 9000\nstate\n" + shot("menu") +                                              // 0 frm1
           "click 380 130\n" + settle + "state\n" + shot("frm9") +                             // 1 frm9
           "click 500 170\n" + settle + "state\n" + shot("frm11") +                            // 2 frm11
           "click 200 203\n" + settle + "state\n" + shot("frm19") +                            // 3 frm19
           "key Escape\n" + settle + "key Escape\n" + settle + "key Escape\n" + settle +
           "click 530 130\n" + settle + "state\n" + shot("frm24") +                            // 4 frm24
           "click 420 270\nwait 1000\nstate\n" +                                               // 5 frm2
           "wait 6000\nstate\nwait 6000\nstate\n" + shot("frm2") +                             // 6, 7 pages
           "key Escape\n" + settle + "key Escape\n" + settle +
           "click 380 255\n" + settle + "click 550 345\n" + settle + "state\n" + shot("frm27") + // 8 frm27
           "click 470 148\nwait 300\nclick 220 292\nwait 500\nstate\n" + shot("sound") +       // 9 a sound
           "key Escape\n" + settle + "key Escape\n" + settle +
           "click 530 195\n" + settle + "click 290 440\n" + settle + "state\n" +               // 10 frm30
           "click 570 170\n" + settle + "state\n" + shot("album") +                            // 11 a picture
           "key Escape\n" + settle + "click 420 440\n" + settle + "click 520 160\nwait 1000\nstate\n" +  // 12 a clip
           "wait 9000\nstate\n";                                                               // 13 its end
}

// What must agree between the two trees: the windows, the screen's own state, the variables, and
// each device's file and mode (lengths and positions differ by a codec's frame).
nlohmann::json essentials(const nlohmann::json& state) {
    nlohmann::json e{{"active", state["active"]}, {"screen", state["screen"]}, {"messageBoxes", state["messageBoxes"]}};
    for (const auto& w : state["windows"]) e["windows"].push_back(w["name"]);
    e["vars"] = state["vars"];
    e["vars"].erase("windowsDir");  // each run's own
    // Where the player's contents and pages start (its marks fall in the narration's length) and a
    // gallery's position bar's end (the length) depend on the length of a file, which an encoder
    // of the time makes some milliseconds longer (an MP3 encoder's padding): compared apart.
    for (const char* measured : {"contentsStart", "pageStarts", "positionMax"}) e["screen"].erase(measured);
    for (const auto& [name, device] : state["devices"].items())
        e["devices"][name] = {{"file", device.value("file", "")}, {"mode", device.value("mode", 0)}};
    return e;
}

}  // namespace

TEST(PeriodFormats, TheTypicalRoadPlaysAsOnThePlainTree) {
    ASSERT_TRUE(fs::exists(periodTree() / "data1")) << "no tree at " << periodTree() << " (scripts/make-demo makes it)";
    const TempDir plainShots, periodShots;
    const auto plain = runTitle(road(plainShots.path()), test_paths::demoTree, false);
    const auto period = runTitle(road(periodShots.path()), periodTree(), false);
    ASSERT_EQ(plain.states.size(), 14u) << plain.errors;
    ASSERT_EQ(period.states.size(), 14u) << period.errors;
    EXPECT_EQ(period.exitCode, 0) << period.errors;

    const char* const active[] = {"frm1", "frm9", "frm11", "frm19", "frm24", "frm2", "frm2",
                                  "frm2", "frm27", "frm27", "frm30", "frm30", "frm31", "frm31"};
    for (std::size_t i = 0; i < plain.states.size(); ++i) {
        SCOPED_TRACE("state " + std::to_string(i));
        EXPECT_EQ(period.states[i]["active"], active[i]);
        EXPECT_EQ(essentials(period.states[i]), essentials(plain.states[i]));
    }
    // Each file of the time is playing where the road plays it.
    const auto device = [&](std::size_t i, const char* name) { return period.states[i]["devices"][name]; };
    EXPECT_EQ(device(0, "shared")["file"], "data1\\01.dat");   // PCM 8-bit WAVE
    EXPECT_EQ(device(1, "shared")["file"], "data1\\08.dat");   // PCM 16-bit WAVE
    EXPECT_EQ(device(2, "shared")["file"], "data1\\04.dat");   // IMA ADPCM WAVE
    EXPECT_EQ(device(4, "shared")["file"], "data1\\18.dat");   // Microsoft ADPCM WAVE
    EXPECT_EQ(device(7, "shared")["file"], "data1\\qem05.dat");  // MPEG Layer-3 WAVE
    EXPECT_EQ(device(9, "shared")["file"], "data4\\070.dat");  // MPEG Layer-3 WAVE
    EXPECT_EQ(device(12, "clips")["file"], "data5\\01.mpg");   // Microsoft Video 1 AVI
    for (const std::size_t i : {0, 1, 2, 4, 7, 9}) EXPECT_EQ(device(i, "shared")["mode"], 2) << i;
    EXPECT_EQ(device(12, "clips")["mode"], 2);
    // The narration's contents start within 100 ms of the plain tree's, and its pages turn on time
    // (the pages at 1, 7 and 13 seconds are the plain tree's, compared above).
    const auto& starts = period.states[5]["screen"]["contentsStart"];
    ASSERT_EQ(starts.size(), plain.states[5]["screen"]["contentsStart"].size());
    for (std::size_t k = 0; k < starts.size(); ++k)
        EXPECT_NEAR(int(starts[k]), int(plain.states[5]["screen"]["contentsStart"][k]), 100) << k;
    EXPECT_GT(period.states[7]["screen"]["currentPage"], period.states[5]["screen"]["currentPage"]);
    for (const std::size_t i : {8, 9})
        EXPECT_NEAR(int(period.states[i]["screen"]["positionMax"]), int(plain.states[i]["screen"]["positionMax"]), 100) << i;
    // The Cinepak intro played to its end and handed over.
    EXPECT_EQ(findWindow(period.states[0], "frm16"), nullptr);

    // (While the gallery sound plays, its position bar stands where position / length puts it, and
    // the length is the encoder's: that shot is not compared.)
    for (const char* name : {"menu", "frm9", "frm11", "frm19", "frm24", "frm2", "frm27", "album"}) {
        SCOPED_TRACE(name);
        const gfx::Bitmap a = gfx::readPng(plainShots / (std::string(name) + ".png"));
        const gfx::Bitmap b = gfx::readPng(periodShots / (std::string(name) + ".png"));
        EXPECT_TRUE(differingArea(a, b).empty()) << "differs in " << differingArea(a, b).left << "," << differingArea(a, b).top
                                                 << " " << differingArea(a, b).width << "x" << differingArea(a, b).height;
    }
}

TEST(PeriodFormats, TheContentCheckPassesOnTheTree) {
    const std::string command = "'" + std::string(test_paths::binary) + "' --check-content '" + periodTree().string() +
                                "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
}
