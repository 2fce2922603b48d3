// The place screen frm5 and the seven-part article frm20, driven headless on the demo tree and on
// trees written for a case.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "content/text_readers.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "platform/ui/hex.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;
namespace fs = std::filesystem;

namespace {

const std::string openPlaces = "click 530 195\nwait 400\n";
const std::string toggleIndex = "click 550 35\nwait 100\n";
constexpr int firstItemTop = 92;  // ls1's content top in the window
constexpr int itemHeight = 24;
std::string openArticle(int item) {
    return "dblclick 450 " + std::to_string(firstItemTop + itemHeight * item + 12) + "\nwait 600\n";
}
std::string part(int k) {
    constexpr int tops[] = {56, 101, 147, 193, 238, 282, 329};
    return "click 560 " + std::to_string(tops[k - 1] + 21) + "\nwait 100\n";
}
const std::string textDown = "click 470 380\nwait 600\n";  // apart from the next: no double click

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The text of place record r as the demo tree holds it.
std::string demoPlaceText(int r) {
    const fs::path demo = test_paths::demoTree;
    const std::string records = fileBytes(demo / "data2" / "qem0013.dat");
    const std::string texts = fileBytes(demo / "data2" / "qem0014.dat");
    return content::slice(texts, content::readField(records, r * 16 + 1), content::readField(records, r * 16 + 9));
}

gfx::Bitmap art(const std::string& window, const std::string& name) {
    return gfx::readBmp(fs::path(test_paths::demoTree) / "art" / window / (name + ".bmp"));
}

}  // namespace

TEST(PlaceScreen, APlaceStaysLitWithItsTextUntilTheIndexOrTheBackgroundTakesOver) {
    TempDir dir;
    const auto shot = [&](const char* name) { return "shot " + (dir / name).string() + "\n"; };
    const auto run = runTitle(openPlaces + "state\nclick 313 80\nwait 50\nstate\n" + shot("lit.png") +
                              "click 313 80\nwait 50\nstate\n" + toggleIndex + "state\n" + shot("index.png") +
                              "click 270 123\nwait 50\nstate\nclick 100 300\nwait 50\nstate\n" + shot("closed.png") + "quit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm5");
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data1\\00.dat");
    EXPECT_EQ(s[0]["screen"]["lineArticle"], (nlohmann::json{0, 1, 2, 3}));
    // L20 (record 0) lit with its text; clicked again it stays so.
    for (int i : {1, 2}) {
        EXPECT_EQ(s[i]["screen"]["pressedPlace"], "L20") << i;
        EXPECT_EQ(s[i]["screen"]["placeText"], ui::hexBytes(demoPlaceText(0))) << i;
        EXPECT_TRUE(s[i]["screen"]["placeTextShown"]) << i;
        EXPECT_TRUE((*findControl(s[i], "m4"))["visible"]) << i;
    }
    // The index replaces the text and unlights the place; a place replaces the index.
    EXPECT_TRUE(s[3]["screen"]["indexVisible"]);
    EXPECT_FALSE(s[3]["screen"]["placeTextShown"]);
    EXPECT_EQ(s[3]["screen"]["pressedPlace"], nullptr);
    EXPECT_FALSE(s[4]["screen"]["indexVisible"]);
    EXPECT_EQ(s[4]["screen"]["pressedPlace"], "l5");
    EXPECT_EQ(s[4]["screen"]["placeText"], ui::hexBytes(demoPlaceText(2)));
    EXPECT_FALSE(s[5]["screen"]["placeTextShown"]);
    EXPECT_EQ(s[5]["screen"]["pressedPlace"], nullptr);

    const gfx::Bitmap lit = gfx::readPng(dir / "lit.png"), index = gfx::readPng(dir / "index.png"),
                      closed = gfx::readPng(dir / "closed.png");
    const gfx::Bitmap litLook = art("frm5", "Image1"), background = art("frm5", "m1");
    EXPECT_EQ(lit.pixel(290, 80), litLook.pixel(290 - 101, 80 - 7));
    EXPECT_EQ(index.pixel(290, 80), background.pixel(290, 80));
    EXPECT_EQ(closed.pixel(270, 123), background.pixel(270, 123));
}

TEST(PlaceScreen, IndexTextsEndTwentyPixelsInsideTheListWhateverTheirLength) {
    TempDir dir;
    const auto run = runTitle(openPlaces + toggleIndex + "shot " + (dir / "index.png").string() + "\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto& list = *findControl(run.states.at(0), "ls1");
    ASSERT_EQ(list["itemCount"], 4);
    const gfx::Bitmap shot = gfx::readPng(dir / "index.png");
    constexpr int textEnd = 382 + 2 + 181 - 20;  // content left + width − margin
    std::vector<int> starts;
    for (int i = 0; i < 4; ++i) {
        int left = 9999, right = -1;
        for (int y = firstItemTop + itemHeight * i; y < firstItemTop + itemHeight * (i + 1); ++y)
            for (int x = 384; x < 382 + 181 - 2; ++x)
                if (shot.pixel(x, y) != gfx::colors::white.pixel()) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_LE(right, textEnd - 1) << i;
        EXPECT_GE(right, textEnd - 4) << i;
        starts.push_back(left);
    }
    EXPECT_NE(starts[0], starts[1]);  // texts of different widths, one right edge
}

TEST(PlaceScreen, EscapeInTheListOrTheTextBoxLeavesOnceWithOneEffect) {
    const auto run = runTitle(openPlaces + toggleIndex + "click 450 100\nwait 50\nstate\nkey Escape\nwait 300\nstate\n" +
                              openPlaces + "click 313 80\nwait 50\nclick 450 200\nwait 50\nstate\nkey Escape\nwait 300\n"
                              "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    for (int i : {0, 2}) {
        const auto& in = run.states[std::size_t(i)];
        const auto& out = run.states[std::size_t(i) + 1];
        EXPECT_EQ(in["focus"], i == 0 ? "ls1" : "me1");
        EXPECT_EQ(out["active"], "frm1");
        EXPECT_EQ(int(out["vars"]["nextEffect"]), int(in["vars"]["nextEffect"]) % 8 + 1);
        EXPECT_EQ(out["devices"]["shared"]["file"], "data1\\01.dat");
    }
}

TEST(PlaceScreen, SectionRecordFourOfSixtyEntriesIsListedWhole) {
    TextTree tree;
    std::vector<std::string> titles = glyphLines(60, 5, 3);
    std::vector<std::int64_t> entries;
    for (int e = 1; e <= 60; ++e) entries.push_back(e);
    tree.writeLines("data2\\qem0024.dat", titles);
    tree.writeFields("data2\\qem0001.dat", {0, -1, 0, -1, 0, -1, 0, 59});
    tree.writeFields("data2\\qem0002.dat", entries);
    tree.writeFields("data2\\qem0013.dat", {});
    tree.writeLines("data2\\qem0014.dat", {});
    const auto run = tree.run(openPlaces + toggleIndex + "click 450 100\nwait 50\nkey End\nwait 50\nstate\n"
                              "click 313 80\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& s = run.states[0];
    EXPECT_EQ((*findControl(s, "ls1"))["itemCount"], 60);
    EXPECT_EQ(s["screen"]["lineArticle"].size(), 60u);
    EXPECT_EQ(s["screen"]["lineArticle"][59], 59);
    EXPECT_GT(s["screen"]["indexTop"], 40);
    EXPECT_TRUE(s["messageBoxes"].empty());
    // A place whose record the empty place file lacks selects nothing.
    EXPECT_EQ(run.states[1]["screen"]["pressedPlace"], "L20");
    EXPECT_EQ(run.states[1]["screen"]["placeText"], "");
}

TEST(SevenPartArticle, ShortPartsCannotBePickedAndANineLinePartScrollsTwice) {
    TempDir dir;
    const auto run = runTitle(openPlaces + toggleIndex + openArticle(1) + "state\n" + part(3) + "state\n" + part(1) +
                              "state\n" + textDown + "state\nshot " + (dir / "five.png").string() + "\n" + part(2) +
                              "state\n" + textDown + textDown + "state\n" + textDown + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 7u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm20");
    EXPECT_EQ(s[0]["vars"]["articleIndex"], 1);
    EXPECT_EQ(s[0]["vars"]["animationSet"], 12);
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data1\\05.dat");
    EXPECT_EQ((*findControl(s[0], "lname"))["caption"], s[0]["vars"]["articleTitle"]);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ((*findControl(s[0], "Imgg" + std::to_string(k)))["enabled"], k <= 2) << k;
    EXPECT_EQ(s[1]["screen"]["pressedPart"], 0);  // a disabled button does not react
    EXPECT_FALSE((*findControl(s[1], "Panel1"))["visible"]);
    EXPECT_EQ(s[2]["screen"]["partLines"], 5);
    EXPECT_EQ(s[3]["screen"]["textTop"], 0);  // five lines do not scroll
    EXPECT_EQ(s[4]["screen"]["partLines"], 9);
    EXPECT_EQ(s[4]["screen"]["textMaxTop"], 2);
    EXPECT_EQ(s[5]["screen"]["textTop"], 2);
    EXPECT_EQ(s[6]["screen"]["textTop"], 2);

    // Rows 0–4 hold the five lines (rows of 32 pixels from lmtn's top), rows 5–7 the panel background.
    const gfx::Bitmap shot = gfx::readPng(dir / "five.png"), panel = art("frm20", "mm");
    constexpr gfx::Point panelAt{10, 146};
    constexpr gfx::Rect area{21, 157, 432, 253};
    for (int r = 0; r < 5; ++r)
        EXPECT_FALSE(inkOver(shot, {area.left, area.top + 32 * r, area.width, 32}, panel, panelAt).empty()) << r;
    EXPECT_EQ(inkOver(shot, gfx::Rect::fromEdges(area.left, area.top + 160, area.right(), area.bottom()), panel, panelAt),
              gfx::Rect{});
}

TEST(SevenPartArticle, LeavingLeavesTheArticleTrackPlayingWhenThePlaceScreenHasNone) {
    const DemoTreeWithout tree("data1\\00.dat");
    const auto run = runOnTree(tree.path(), openPlaces + toggleIndex + openArticle(0) + "state\nkey Escape\nwait 500\n"
                                                                                        "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& article = run.states[0];
    const auto& back = run.states[1];
    EXPECT_EQ(article["devices"]["shared"]["file"], "data1\\05.dat");
    EXPECT_EQ(back["active"], "frm5");
    EXPECT_EQ(back["devices"]["shared"]["file"], "data1\\05.dat");
    EXPECT_EQ(back["devices"]["shared"]["mode"], 2);
    EXPECT_GT(back["devices"]["shared"]["position"], article["devices"]["shared"]["position"]);
    EXPECT_EQ(back["vars"]["animationTimer"], false);
    // The index is back where it was after the article opened over it.
    EXPECT_EQ((*findControl(back, "ls1"))["top"], 90);
}

TEST(PlaceScreen, TheIndexButtonLightsUnderTheMouseAndTheBottomButtonsFromTheirLitPicture) {
    const auto run = runTitle(openPlaces + "move 530 30\nwait 20\nstate\nmove 290 440\nwait 20\nstate\n"
                                           "move 100 300\nwait 20\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    EXPECT_TRUE((*findControl(run.states[0], "m2"))["visible"]);
    EXPECT_EQ(run.states[1]["screen"]["litHotspot"], "Image3");
    EXPECT_FALSE((*findControl(run.states[2], "m2"))["visible"]);
    EXPECT_EQ(run.states[2]["screen"]["litHotspot"], nullptr);
}
