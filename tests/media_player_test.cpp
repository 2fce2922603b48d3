// The narration players frm2 and frm8 on the demo narrations, driven headless.
#include <gtest/gtest.h>

#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "platform/ui/hex.h"
#include "platform/win/binary_file.h"
#include "scenario_support.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

// Where a player is opened from the main menu and where its transport pictures lie.
struct PlayerPlace {
    std::string open;
    gfx::Point pause, play, tenBack, tenNext, first, last, pageDown, pageUp;

    static std::string at(gfx::Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); }
    static std::string click(gfx::Point p) { return "click " + at(p) + "\n"; }
};

const PlayerPlace tour{"click 530 130\nwait 300\nclick 420 270\nwait 600\n",
                       {64, 441}, {101, 441}, {139, 441}, {177, 441}, {215, 441}, {253, 441}, {320, 440}, {354, 441}};
const PlayerPlace secondTour{"click 530 130\nwait 300\nclick 420 318\nwait 600\n", tour.pause, tour.play,
                             tour.tenBack, tour.tenNext, tour.first, tour.last, tour.pageDown, tour.pageUp};
const PlayerPlace story{"click 380 195\nwait 300\nclick 540 330\nwait 600\n",
                        {112, 445}, {149, 444}, {188, 444}, {226, 444}, {264, 444}, {302, 444}, {368, 445}, {401, 445}};

std::string contentsRow(int r) { return "500 " + std::to_string(177 + 30 * r); }

const nlohmann::json& shared(const nlohmann::json& state) { return state["devices"]["shared"]; }
int position(const nlohmann::json& state) { return shared(state)["position"]; }
int mode(const nlohmann::json& state) { return shared(state)["mode"]; }
std::string caption(const nlohmann::json& state, const std::string& control) {
    return (*findControl(state, control))["caption"];
}

// The page-text panel l0 of frm2 in window coordinates.
constexpr gfx::Rect tourPanel{26, 141, 363, 274};

gfx::Bitmap demoPicture(const std::string& relative) {
    return gfx::decodeBmp(win::readBinaryFile(std::filesystem::path(test_paths::demoTree) / relative));
}

}  // namespace

TEST(Players, TheTourStartsOnPageOneAndTurnsWithinAQuarterSecondOfTheNextPagesStart) {
    const auto first = runTitle(tour.open + "state\nquit\n");
    ASSERT_EQ(first.exitCode, 0) << first.errors;
    ASSERT_EQ(first.states.size(), 1u);
    const auto& start = first.states[0];
    EXPECT_EQ(start["active"], "frm2");
    EXPECT_EQ(shared(start)["file"], "data1\\qem05.dat");
    EXPECT_EQ(shared(start)["autoRewind"], false);
    EXPECT_EQ(mode(start), 2);
    EXPECT_EQ(start["vars"]["animationSet"], 2);
    EXPECT_EQ(start["screen"]["currentPage"], 0);
    EXPECT_EQ(start["screen"]["selectedEntry"], 0);
    EXPECT_EQ(start["screen"]["litRow"], "lls1");
    EXPECT_EQ((*findControl(start, "lls1"))["color"], "#ffffff");
    EXPECT_EQ((*findControl(start, "lls2"))["color"], "#ffff00");
    EXPECT_EQ(caption(start, "Label15"), ui::hexBytes("1"));
    EXPECT_EQ(start["screen"]["elapsed"], (std::vector<std::string>{"0:", "0:", "0"}));
    EXPECT_EQ(start["screen"]["lastPage"], 9);

    // The narration's clock is the sound the null output has taken: it runs with virtual time.
    const int playingSince = int(start["t"]) - position(start);
    const int nextStart = start["screen"]["pageStarts"][1];
    const int before = nextStart - 10 - (int(start["t"]) - playingSince);
    const auto second = runTitle(tour.open + "wait " + std::to_string(before) + "\nstate\nwait 260\nstate\n" +
                                 "wait 5000\nstate\nquit\n");
    ASSERT_EQ(second.exitCode, 0) << second.errors;
    ASSERT_EQ(second.states.size(), 3u);
    const auto& s = second.states;
    EXPECT_EQ(position(s[0]), nextStart - 10);
    EXPECT_EQ(s[0]["screen"]["currentPage"], 0);
    EXPECT_EQ(s[1]["screen"]["currentPage"], 1);
    EXPECT_EQ(caption(s[1], "Label15"), ui::hexBytes("2"));
    EXPECT_EQ(position(s[2]) - position(s[1]), 5000);
    EXPECT_EQ(s[2]["screen"]["elapsed"][2], std::to_string(position(s[2]) / 1000 % 60));
}

TEST(Players, PageUpOnTheFirstPageAndPageDownOnTheLastLeaveTheDeviceAlone) {
    const auto run = runTitle(tour.open + "state\n" + PlayerPlace::click(tour.pageUp) + "state\n" +
                              PlayerPlace::click(tour.pause) + PlayerPlace::click(tour.last) + "state\n" +
                              PlayerPlace::click(tour.pageDown) + "state\nwait 1000\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(s[1]["screen"]["currentPage"], 0);
    EXPECT_EQ(shared(s[1]), shared(s[0]));
    EXPECT_EQ(s[2]["screen"]["currentPage"], 9);
    EXPECT_EQ(mode(s[2]), 5);  // "last" while paused leaves it paused at the last page's start
    EXPECT_EQ(shared(s[3]), shared(s[2]));
    EXPECT_EQ(s[3]["screen"]["currentPage"], 9);
    EXPECT_EQ(caption(s[3], "Label15"), ui::hexBytes("10"));
    EXPECT_EQ(shared(s[4]), shared(s[2]));
}

TEST(Players, TenSecondJumpsStopAtTheStartAndAtTheEnd) {
    const std::string tenNext = PlayerPlace::click(tour.tenNext);
    const auto run = runTitle(tour.open + "wait 3000\n" + PlayerPlace::click(tour.tenBack) + "state\n" + tenNext +
                              "state\nwait 600\n" + tenNext + "state\n" + PlayerPlace::click(tour.last) + "state\n" +
                              tenNext + "state\nwait 1000\nstate\n" + PlayerPlace::click(tour.first) + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 7u);
    const auto& s = run.states;
    EXPECT_EQ(position(s[0]), 0);
    EXPECT_EQ(mode(s[0]), 2);  // it was playing, so it plays on from the start
    const int secondPage = s[0]["screen"]["pageStarts"][1];
    ASSERT_GT(secondPage, 10000);
    ASSERT_LT(secondPage, 20600);
    EXPECT_EQ(position(s[1]), 10000);
    EXPECT_EQ(s[1]["screen"]["currentPage"], 0);
    EXPECT_EQ(position(s[2]), 20600);  // past the second page's start: the page turns with the jump
    EXPECT_EQ(s[2]["screen"]["currentPage"], 1);
    EXPECT_EQ(mode(s[2]), 2);
    EXPECT_EQ(s[3]["screen"]["currentPage"], 9);
    const int length = shared(s[3])["length"];
    ASSERT_LT(length - position(s[3]), 10000);  // the last page is shorter than ten seconds
    EXPECT_EQ(position(s[4]), length);  // to the end, and stopped there
    EXPECT_EQ(mode(s[4]), 1);
    EXPECT_EQ(s[4]["screen"]["currentPage"], 9);
    EXPECT_EQ(shared(s[5]), shared(s[4]));  // the main menu's music timer plays nothing at the end
    EXPECT_EQ(s[6]["screen"]["currentPage"], 0);
    EXPECT_EQ(position(s[6]), 0);
    EXPECT_EQ(caption(s[6], "Label15"), ui::hexBytes("1"));
}

// Paused at the second page's start, ten seconds back and ten seconds on land exactly on that start
// again: the tour turns to the second page there, the story only past it. Ten seconds on and back
// once more land on the second page's start from after it: that page stays.
TEST(Players, TenSecondJumpsLandingExactlyOnAPagesStart) {
    for (const PlayerPlace* player : {&tour, &story}) {
        const std::string tenNext = PlayerPlace::click(player->tenNext), tenBack = PlayerPlace::click(player->tenBack);
        const auto run = runTitle(player->open + PlayerPlace::click(player->pause) + PlayerPlace::click(player->pageDown) +
                                  PlayerPlace::click(player->play) + PlayerPlace::click(player->pause) + "state\n" +
                                  tenBack + "state\n" + tenNext + "state\nwait 600\n" + tenNext + "state\n" + tenBack +
                                  "state\nquit\n");
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        ASSERT_EQ(run.states.size(), 5u);
        const auto& s = run.states;
        const std::string name = s[0]["active"];
        const auto page = [&](std::size_t i) { return s[i]["screen"]["currentPage"].get<int>(); };
        const int secondPage = s[0]["screen"]["pageStarts"][1];
        ASSERT_EQ(position(s[0]), secondPage) << name;
        ASSERT_EQ(page(0), 1) << name;
        EXPECT_EQ(position(s[1]), secondPage - 10000) << name;
        EXPECT_EQ(page(1), 0) << name;
        EXPECT_EQ(position(s[2]), secondPage) << name;
        EXPECT_EQ(page(2), name == "frm2" ? 1 : 0) << name;
        EXPECT_EQ(position(s[3]), secondPage + 10000) << name;
        EXPECT_EQ(page(3), 1) << name;
        EXPECT_EQ(position(s[4]), secondPage) << name;
        EXPECT_EQ(page(4), 1) << name;
    }
}

TEST(Players, PausedThenPageDownWaitsAtTheNewPagesStartAndPlayGoesOnFromThere) {
    const auto run = runTitle(tour.open + "wait 2000\n" + PlayerPlace::click(tour.pause) + "wait 600\n" +
                              PlayerPlace::click(tour.pause) + "state\n" + PlayerPlace::click(tour.pageDown) +
                              "wait 1000\nstate\n" + PlayerPlace::click(tour.play) + "wait 1000\nstate\n" +
                              PlayerPlace::click(tour.pageUp) + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_EQ(mode(s[0]), 5);  // a second pause does not resume
    const int secondPage = s[1]["screen"]["pageStarts"][1];
    EXPECT_EQ(mode(s[1]), 5);
    EXPECT_EQ(position(s[1]), secondPage);
    EXPECT_EQ(s[1]["screen"]["currentPage"], 1);
    EXPECT_EQ(mode(s[2]), 2);
    EXPECT_EQ(position(s[2]), secondPage + 1000);
    EXPECT_EQ(s[3]["screen"]["currentPage"], 0);
    EXPECT_EQ(position(s[3]), 0);
    EXPECT_EQ(mode(s[3]), 2);
}

TEST(Players, ATwelveLinePageShowsTenWithItsMarkedLineWhiteAndLeavesNoTraceOnTheNextPage) {
    TempDir dir;
    const std::string twelve = (dir / "twelve.png").string(), after = (dir / "after.png").string();
    std::string toPageFive;
    for (int i = 0; i < 4; ++i) toPageFive += PlayerPlace::click(tour.pageDown) + "wait 600\n";  // not double clicks
    const auto run = runTitle(tour.open + PlayerPlace::click(tour.pause) + toPageFive + "state\nshot " + twelve + "\n" +
                              PlayerPlace::click(tour.pageDown) + "state\nshot " + after + "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& lines = run.states[0]["screen"]["pageLines"];
    ASSERT_EQ(lines.size(), 12u);
    ASSERT_EQ(std::string(lines[0]).substr(0, 2), "0e");  // the heading holds code 14

    const gfx::Bitmap background = demoPicture("art/frm2/Image1.bmp");
    const gfx::Bitmap shot = gfx::readPng(twelve);
    constexpr gfx::Color white{255, 255, 255}, yellow{255, 255, 0};
    const auto line = [](int i) { return gfx::Rect{tourPanel.left, tourPanel.top + 25 * i + 5, tourPanel.width, 25}; };
    EXPECT_GT(pixelsOf(shot, line(0), white), 20);
    EXPECT_EQ(pixelsOf(shot, line(0), yellow), 0);
    EXPECT_GT(pixelsOf(shot, line(9), yellow), 20);
    // Lines overlap a little at this pitch, so the heading's ink may reach into the second line.
    for (int i = 2; i < 10; ++i) EXPECT_EQ(pixelsOf(shot, line(i), white), 0) << i;
    // Lines 11 and 12 would start at 255 and 280 inside the panel: nothing is drawn there.
    const gfx::Rect belowTen{tourPanel.left, tourPanel.top + 25 * 10 + 5 + 8, tourPanel.width, 10};
    EXPECT_TRUE(inkOver(shot, belowTen, background, {0, 0}).empty());
    // Every line ends at the panel's right edge (a glyph's ink may stop a pixel short of its advance).
    const gfx::Rect ink = inkOver(shot, line(4), background, {0, 0});
    EXPECT_LE(ink.right(), tourPanel.right());
    EXPECT_GE(ink.right(), tourPanel.right() - 2);

    const std::size_t shorter = run.states[1]["screen"]["pageLines"].size();
    ASSERT_LT(shorter, 9u);
    const gfx::Rect rest{tourPanel.left, tourPanel.top + 25 * int(shorter) + 5 + 35, tourPanel.width,
                         tourPanel.height - 25 * int(shorter) - 40};
    EXPECT_TRUE(inkOver(gfx::readPng(after), rest, background, {0, 0}).empty());
}

TEST(Players, ContentsRowsJumpScrollAndShowAWideCaptionWholeOnThePinkOverlay) {
    TempDir dir;
    const std::string wide = (dir / "wide.png").string();
    const auto run = runTitle(tour.open + "move " + contentsRow(2) + "\nstate\nshot " + wide + "\nclick " +
                              contentsRow(3) + "\nstate\nmove 300 300\nstate\ndown 608 383\nwait 100\nstate\n" +
                              "wait 2000\nup 608 383\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["expandedLine"], 2);
    const auto& overlay = *findControl(s[0], "labcamov");
    EXPECT_EQ(overlay["caption"], caption(s[0], "lls3"));
    EXPECT_GT(int(overlay["width"]), 180);
    EXPECT_EQ(int(overlay["left"]) + int(overlay["width"]), 591);
    constexpr gfx::Pixel pink = gfx::Color{255, 164, 164}.pixel();
    EXPECT_EQ(gfx::readPng(wide).pixel(int(overlay["left"]) + 1, int(overlay["top"]) + 1), pink);

    EXPECT_EQ(s[1]["screen"]["selectedEntry"], 3);
    EXPECT_EQ(s[1]["screen"]["litRow"], "lls4");
    EXPECT_EQ((*findControl(s[1], "lls1"))["color"], "#ffff00");
    EXPECT_EQ(s[1]["screen"]["currentPage"], 3);
    EXPECT_EQ(position(s[1]), s[1]["screen"]["contentsStart"][3]);
    EXPECT_EQ(mode(s[1]), 2);
    EXPECT_EQ(s[2]["screen"]["expandedLine"], nullptr);

    // Ten entries: the first repeated step comes 100 ms after the press; the top stops at 3.
    EXPECT_EQ(s[3]["screen"]["maxTop"], 2);
    EXPECT_EQ(s[3]["vars"]["listTop"], 1);
    EXPECT_EQ(s[4]["vars"]["listTop"], 3);
    EXPECT_FALSE((*findControl(s[4], "lls8"))["visible"]);
}

TEST(Players, TheStoryPlayerShowsItsTitleAndPageDownWhilePausedWaitsForPlay) {
    const auto run = runTitle(story.open + "state\n" + PlayerPlace::click(story.pause) + "state\n" +
                              PlayerPlace::click(story.pageDown) + "wait 1000\nstate\n" +
                              PlayerPlace::click(story.play) + "wait 1000\nstate\nkey Escape\nwait 600\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm8");
    EXPECT_EQ(shared(s[0])["file"], "data1\\qem01.dat");
    EXPECT_EQ(s[0]["vars"]["animationSet"], 4);
    EXPECT_NE(caption(s[0], "Label3"), "");
    const int seconds = int(shared(s[0])["length"]) / 1000 % 60;
    EXPECT_EQ(caption(s[0], "Label8"), ui::hexBytes(std::to_string(seconds)));  // the length, from creation
    EXPECT_EQ(shared(s[2]), shared(s[1]));  // the page turns; the device waits where it was paused
    EXPECT_EQ(s[2]["screen"]["currentPage"], 1);
    EXPECT_EQ(position(s[3]), int(s[3]["screen"]["pageStarts"][1]) + 1000);
    EXPECT_EQ(s[4]["active"], "frm7");
    EXPECT_EQ(shared(s[4])["file"], "data1\\03.dat");
    EXPECT_EQ(shared(s[4])["autoRewind"], true);
}

TEST(Players, ReturningFromAnotherProgramRedrawsThePage) {
    TempDir dir;
    const std::string back = (dir / "back.png").string();
    const auto run = runTitle(tour.open + "deactivate\nwait 200\nstate\nactivate\nwait 200\nstate\nshot " + back +
                              "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_FALSE(run.states[0]["screen"]["activated"]);
    EXPECT_TRUE(run.states[1]["screen"]["activated"]);
    constexpr gfx::Color yellow{255, 255, 0};
    EXPECT_GT(pixelsOf(gfx::readPng(back), tourPanel, yellow), 100);
}

TEST(Players, ATransportPictureShowsItsPartOfThePressedBarOnlyWhileTheButtonIsDown) {
    TempDir dir;
    const std::string down = (dir / "down.png").string(), up = (dir / "up.png").string();
    const auto run = runTitle(tour.open + "down 320 440\nshot " + down + "\nstate\nup 320 440\nshot " + up +
                              "\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(run.states[0]["screen"]["pressed"], "Image4");
    EXPECT_EQ(run.states[1]["screen"]["pressed"], nullptr);
    EXPECT_EQ(run.states[1]["screen"]["currentPage"], 1);  // the release over it is the click
    constexpr gfx::Rect button{305, 426, 31, 29};
    const gfx::Bitmap pressedBar = demoPicture("art/frm2/Image13.bmp");
    EXPECT_TRUE(inkOver(gfx::readPng(down), button, pressedBar, {35, 420}).empty());
    EXPECT_TRUE(inkOver(gfx::readPng(up), button, demoPicture("art/frm2/Image1.bmp"), {0, 0}).empty());
    EXPECT_FALSE(differingArea(gfx::readPng(down), gfx::readPng(up), button).empty());
}
