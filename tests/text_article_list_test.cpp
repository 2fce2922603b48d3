// The article list screens on content trees written for each case, driven headless.
#include <gtest/gtest.h>

#include "platform/ui/hex.h"
#include "text_tree_support.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

// Where a list is reached from the main menu, where its first row and its arrows are.
struct ListPlace {
    std::string open;
    gfx::Point row, up, down;

    std::string click(gfx::Point p, int dy = 0) const {
        return "click " + std::to_string(p.x) + " " + std::to_string(p.y + dy) + "\nwait 600\n";
    }
    std::string rowClick(int r) const { return click(row, 30 * r); }
    std::string press(gfx::Point p, int holdMs, gfx::Point release) const {
        return "down " + std::to_string(p.x) + " " + std::to_string(p.y) + "\nwait " + std::to_string(holdMs) +
               "\nup " + std::to_string(release.x) + " " + std::to_string(release.y) + "\n";
    }
};

const std::string toFrm9 = "click 380 130\nwait 50\n";
const std::string toFrm23 = toFrm9 + "click 500 125\nwait 50\n";
const ListPlace frm10{toFrm23 + "click 530 185\nwait 50\n", {500, 124}, {609, 143}, {608, 334}};
const ListPlace frm22{toFrm23 + "click 530 240\nwait 50\n", {170, 170}, {279, 189}, {278, 380}};
const ListPlace frm21{toFrm23 + "click 530 300\nwait 50\n", {450, 140}, {559, 160}, {559, 350}};
const ListPlace frm11{toFrm9 + "click 500 170\nwait 50\n", {200, 173}, {318, 191}, {317, 382}};
const ListPlace frm12{toFrm9 + "click 500 215\nwait 50\n", {500, 155}, {611, 174}, {608, 365}};

const char* const rowNames[] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"};

// The captions of the visible rows, top to bottom, as hex.
std::vector<std::string> shownRows(const nlohmann::json& state) {
    std::vector<std::string> rows;
    for (const char* name : rowNames)
        if (const auto* row = findControl(state, name); row && (*row)["visible"]) rows.push_back((*row)["caption"]);
    return rows;
}

std::vector<std::string> hexTitles(const std::vector<std::string>& titles, std::size_t from, std::size_t count) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < from + count && i < titles.size(); ++i) out.push_back(ui::hexBytes(titles[i]));
    return out;
}

}  // namespace

TEST(ArticleLists, ListsOfThreeEightAndTwentyTitlesScrollUntilTheLastTitleStandsInRowSeven) {
    TextTree tree;
    const auto content = writeStandardArticles(tree);
    const auto run = tree.run(frm10.open + "state\n" + frm10.click(frm10.down) + frm10.click(frm10.up) + "state\n" +
                              "key Escape\nwait 50\n" + frm22.open.substr(toFrm23.size()) + "state\n" +
                              frm22.click(frm22.down) + "state\n" + frm22.click(frm22.down) + "state\n" +
                              "key Escape\nwait 50\n" + frm21.open.substr(toFrm23.size()) + "state\n" +
                              frm21.press(frm21.down, 3000, frm21.down) + "state\n" +
                              frm21.press(frm21.up, 3000, frm21.up) + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 8u);
    const auto& s = run.states;
    const auto& titles = content.sections;

    EXPECT_EQ(s[0]["active"], "frm10");
    EXPECT_EQ(shownRows(s[0]), hexTitles(titles[5], 0, 3));
    EXPECT_EQ(s[0]["screen"]["lineArticle"], (std::vector<int>{34, 33, 32}));  // entry e: article 34 - e
    EXPECT_EQ(s[0]["screen"]["maxTop"], -5);
    EXPECT_EQ(s[1]["vars"]["listTop"], 0);  // neither arrow moves a list of three
    EXPECT_EQ(shownRows(s[1]), hexTitles(titles[5], 0, 3));

    EXPECT_EQ(s[2]["active"], "frm22");
    EXPECT_EQ(shownRows(s[2]), hexTitles(titles[6], 0, 8));
    EXPECT_EQ(s[3]["vars"]["listTop"], 1);  // one line down is accepted and leaves row 8 empty
    EXPECT_EQ(shownRows(s[3]), hexTitles(titles[6], 1, 7));
    EXPECT_EQ(s[4]["vars"]["listTop"], 1);

    EXPECT_EQ(s[5]["active"], "frm21");
    EXPECT_EQ(s[6]["vars"]["listTop"], 13);
    EXPECT_EQ(shownRows(s[6]), hexTitles(titles[7], 13, 7));
    EXPECT_FALSE((*findControl(s[6], "Label9"))["visible"]);
    EXPECT_EQ(s[6]["screen"]["repeatDir"], 2);
    EXPECT_EQ(s[7]["vars"]["listTop"], 0);
    EXPECT_EQ(shownRows(s[7]), hexTitles(titles[7], 0, 8));
}

TEST(ArticleLists, HoldingAnArrowStepsAfterHalfASecondThenEveryTenthAndOnceMoreOnARelease) {
    TextTree tree;
    writeStandardArticles(tree);
    tree.writePicture("art\\frm21\\Image3.bmp", gfx::Bitmap(21, 19, gfx::Color{0, 0, 255}));
    const std::string down = std::to_string(frm21.down.x) + " " + std::to_string(frm21.down.y);
    const std::string up = std::to_string(frm21.up.x) + " " + std::to_string(frm21.up.y);
    const auto run = tree.run(frm21.open + "down " + down + "\nwait 499\nstate\nshot " + tree.shotPath("held") +
                              "\nwait 1\nstate\nwait 99\nstate\nwait 1\nstate\nwait 400\nup " + down + "\nstate\n" +
                              "shot " + tree.shotPath("released") + "\nwait 600\n" + "down " + up +
                              "\nwait 1000\nup 300 300\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 6u);
    const int expected[] = {0, 1, 1, 2, 7, 1};  // 7: six steps in a second and one on the release
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(run.states[i]["vars"]["listTop"], expected[i]) << i;
    EXPECT_EQ(run.states[0]["screen"]["repeatDir"], 2);
    // Released elsewhere: the six steps of the second hold and none more (7 - 6).
    // The pressed look stands in front of the arrow only while the button is held.
    constexpr gfx::Pixel blue = gfx::Color{0, 0, 255}.pixel();
    EXPECT_EQ(tree.shot("held").pixel(560, 350), blue);
    EXPECT_NE(tree.shot("released").pixel(560, 350), blue);
}

TEST(ArticleLists, AWideTitleIsShownWholeEndingAtItsRowsRightEdgeWhileTheMouseIsOverIt) {
    TextTree tree;
    const auto content = writeStandardArticles(tree);
    tree.writePicture("art\\frm12\\m1.bmp", patterned(642, 479));
    const auto run = tree.run(frm12.open + "shot " + tree.shotPath("rest") + "\nmove 500 155\nstate\nshot " +
                              tree.shotPath("wide") + "\nmove 500 185\nstate\nshot " + tree.shotPath("fits") +
                              "\nmove 500 150\nmove 300 300\nstate\nshot " + tree.shotPath("background") +
                              "\nmove 500 150\nmove 611 174\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& wide = run.states[0];
    const auto& overlay = *findControl(wide, "labcamov");
    const int articleOfWideTitle = StandardArticles::articleOfEntry(33);
    EXPECT_EQ(wide["screen"]["expandedLine"], articleOfWideTitle);
    EXPECT_EQ(overlay["caption"], ui::hexBytes(content.sections[9][0]));
    EXPECT_EQ(int(overlay["left"]) + int(overlay["width"]), 415 + 175);
    EXPECT_GT(int(overlay["width"]), 175);
    EXPECT_EQ(overlay["top"], 140);
    EXPECT_EQ(overlay["height"], 34);
    EXPECT_EQ(overlay["transparent"], true);

    // Inside the row nothing changes (the row shows the same glyphs in front); to its left the
    // rest of the title appears over the background, reaching up to the row's left edge.
    const gfx::Rect changed = differingArea(tree.shot("rest"), tree.shot("wide"));
    EXPECT_FALSE(changed.empty());
    EXPECT_LE(changed.right(), 415);
    EXPECT_GT(changed.right(), 415 - 20);
    EXPECT_GE(changed.left, int(overlay["left"]));
    EXPECT_GE(changed.top, 140);
    EXPECT_LE(changed.bottom(), 140 + 34);

    // A title that fits empties the overlay; the background hides it; so does an arrow.
    EXPECT_TRUE(run.states[1]["screen"]["expandedLine"].is_null());
    EXPECT_EQ((*findControl(run.states[1], "labcamov"))["caption"], "");
    EXPECT_EQ(differingArea(tree.shot("rest"), tree.shot("fits")), gfx::Rect{});
    EXPECT_TRUE(run.states[2]["screen"]["expandedLine"].is_null());
    EXPECT_EQ((*findControl(run.states[2], "labcamov"))["top"], 2000);
    EXPECT_EQ(differingArea(tree.shot("rest"), tree.shot("background")), gfx::Rect{});
    EXPECT_EQ((*findControl(run.states[3], "labcamov"))["top"], 2000);
}

TEST(ArticleLists, ATitleOpensItsArticleAndEveryWayOutLeadsBackToTheSectionMenu) {
    TextTree tree;
    const auto content = writeStandardArticles(tree);
    const auto run = tree.run(frm11.open + frm11.rowClick(1) + "state\nkey Escape\nwait 50\nclick 270 440\nstate\n" +
                              "key Escape\nwait 50\nclose\nwait 50\nstate\n" + frm10.open + "click 610 440\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    // The second title of frm11's section stands for the article of index entry 32.
    EXPECT_EQ(s[0]["active"], "frm19");
    EXPECT_EQ(s[0]["vars"]["selectedKind"], 3);
    EXPECT_EQ(s[0]["vars"]["articleIndex"], StandardArticles::articleOfEntry(32));
    EXPECT_EQ(s[0]["vars"]["articleTitle"], ui::hexBytes(content.sections[8][1]));
    EXPECT_EQ(s[0]["vars"]["animationSet"], 7);
    // The search button opens the search window over the list; a close request and the exit
    // corner go back.
    EXPECT_EQ(s[1]["active"], "sear");
    EXPECT_EQ((*findWindow(s[1], "frm11"))["visible"], true);
    EXPECT_EQ(s[2]["active"], "frm9");
    EXPECT_EQ(findWindow(s[2], "frm11"), nullptr);
    EXPECT_EQ(s[3]["active"], "frm23");
    EXPECT_EQ(findWindow(s[3], "frm10"), nullptr);
}

TEST(ArticleLists, AnIndexEntryBeyondTheTitlesIsReportedAndLeavesTheListEmpty) {
    TextTree tree;
    writeStandardArticles(tree);
    std::vector<std::int64_t> entries(StandardArticles::titleCount, 1);
    entries[1] = 999;
    tree.writeFields("data2\\qem0002.dat", entries);
    const auto run = tree.run(frm10.open + "state\nkey Escape\nwait 50\nstate\n" + frm10.click(frm10.down) +
                              "state\nkey Escape\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    ASSERT_EQ(run.states[0]["messageBoxes"].size(), 1u);
    EXPECT_NE(std::string(run.states[0]["messageBoxes"][0]["text"]).find("999"), std::string::npos);
    EXPECT_EQ(run.states[1]["active"], "frm10");
    EXPECT_TRUE(shownRows(run.states[1]).empty());
    EXPECT_EQ(run.states[2]["vars"]["listTop"], 0);
    EXPECT_EQ(run.states[3]["active"], "frm23");
}
