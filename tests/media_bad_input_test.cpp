// The players and galleries on content that is missing, short or malformed, driven headless.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/ui/hex.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;

namespace {

namespace fs = std::filesystem;

// The second tour (frm24's lower hotspot) plays data4\223.dat; its marks count 5507604 to the end.
const std::string openSecondTour = "click 530 130\nwait 300\nclick 420 318\nwait 600\n";
constexpr std::int64_t markDivisor = 5507604;
const std::string pageDown = "click 320 440\nwait 600\n";
std::string contentsRow(int r) { return "click 500 " + std::to_string(177 + 30 * r) + "\nwait 600\n"; }

void linkDemoFile(const TextTree& tree, const std::string& relative) {
    fs::create_directories((tree.path() / relative).parent_path());
    fs::create_symlink(fs::path(test_paths::demoTree) / relative, tree.path() / relative);
}

void writeBytes(const TextTree& tree, const std::string& relative, std::size_t count) {
    fs::create_directories((tree.path() / relative).parent_path());
    std::ofstream out(tree.path() / relative, std::ios::binary);
    std::uint32_t x = 12345;
    for (std::size_t i = 0; i < count; ++i) out.put(char((x = x * 1103515245 + 12345) >> 16));
}

// Pages of four text lines; each record is offset, length, mark; each contents entry offset, length,
// page, mark over a caption text of two glyph pairs.
void writeSecondTour(const TextTree& tree, const std::vector<std::int64_t>& pages,
                     const std::vector<std::int64_t>& contents) {
    tree.writeLines("data2\\qem0044.dat", glyphLines(4, 6, 3));
    tree.writeFields("data2\\qem0043.dat", pages);
    tree.writeLines("data2\\qem0042.dat", {glyphLine(4, 5)});
    tree.writeFields("data2\\qem0041.dat", contents);
}

bool noBoxes(const ScriptRun& run) {
    for (const auto& s : run.states)
        if (!s["messageBoxes"].empty()) return false;
    return true;
}

}  // namespace

TEST(BadInput, ANarrationThatIsMissingOrNotSoundShowsTheMessageAndTheScreenLeavesEveryTime) {
    for (const bool present : {false, true}) {
        TextTree tree;
        writeSecondTour(tree, {0, 10, 0}, {0, 2, 1, 0});
        if (present) writeBytes(tree, "data4/223.dat", 20000);  // random bytes named like a narration
        const std::string attempt = openSecondTour + "state\nkey Enter\nwait 600\nstate\n";
        const auto run = tree.run(attempt + attempt + "quit\n");
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        ASSERT_EQ(run.states.size(), 4u) << present;
        for (const int i : {0, 2}) {
            const auto& box = run.states[std::size_t(i)]["messageBoxes"];
            ASSERT_EQ(box.size(), 1u) << present;
            EXPECT_EQ(box[0]["caption"], "error");
            EXPECT_EQ(box[0]["text"], "undefined error !!");
            const auto& after = run.states[std::size_t(i) + 1];
            EXPECT_EQ(after["active"], "frm24") << present;
            EXPECT_EQ(findWindow(after, "frm2"), nullptr);
            EXPECT_TRUE(after["messageBoxes"].empty());
            EXPECT_EQ(after["devices"]["shared"]["autoRewind"], true);
        }
    }
}

TEST(BadInput, PageRecordsReachingPastTheTextShowWhatThereIsAndContentsPagesOutsideTheNarrationAreKeptInside) {
    TextTree tree;
    linkDemoFile(tree, "data4/223.dat");
    writeSecondTour(tree, {0, 100000, 0, 100000, 10, markDivisor / 3, -20, 25, 2 * markDivisor / 3},
                    {0, 2, 0, 0, 2, 100, 99, markDivisor / 4});
    const auto run = tree.run(openSecondTour + "state\n" + pageDown + "state\n" + contentsRow(1) + "state\n" +
                              contentsRow(0) + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_TRUE(noBoxes(run));
    EXPECT_EQ(s[0]["active"], "frm2");
    EXPECT_EQ(s[0]["screen"]["lastPage"], 2);
    EXPECT_EQ(s[0]["screen"]["pageLines"].size(), 4u);  // the whole text, no further
    EXPECT_EQ(s[1]["screen"]["currentPage"], 1);
    EXPECT_TRUE(s[1]["screen"]["pageLines"].empty());  // it starts beyond the end
    const auto& captions = s[0]["screen"];
    EXPECT_EQ((*findControl(s[0], "lls2"))["caption"], ui::hexBytes(glyphLine(4, 5).substr(2) + "\r\n"));
    EXPECT_EQ(captions["contentsPage"], (std::vector<int>{0, 99}));
    EXPECT_EQ(s[2]["screen"]["currentPage"], 2);  // page 99: the last page there is
    EXPECT_EQ((*findControl(s[2], "Label15"))["caption"], ui::hexBytes("3"));
    EXPECT_EQ(s[2]["devices"]["shared"]["position"], int(s[2]["screen"]["contentsStart"][1]) + 600);
    EXPECT_EQ(s[3]["screen"]["currentPage"], 0);  // page 0: the first
}

TEST(BadInput, APageIndexShorterThanOneRecordGivesOneEmptyPage) {
    TextTree tree;
    linkDemoFile(tree, "data4/223.dat");
    writeSecondTour(tree, {0, 5}, {});
    const auto run = tree.run(openSecondTour + "state\nclick 320 440\nstate\nclick 253 441\nwait 600\nstate\n" +
                              "wait 3000\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const auto& s = run.states;
    EXPECT_TRUE(noBoxes(run));
    EXPECT_EQ(s[0]["screen"]["lastPage"], 0);
    EXPECT_TRUE(s[0]["screen"]["pageLines"].empty());
    EXPECT_EQ(s[0]["screen"]["maxTop"], 0);
    EXPECT_FALSE((*findControl(s[0], "lls1"))["visible"]);
    EXPECT_EQ(s[1]["devices"]["shared"], s[0]["devices"]["shared"]);  // page down: nothing at all
    EXPECT_EQ(s[2]["screen"]["currentPage"], 0);
    EXPECT_EQ(s[3]["screen"]["currentPage"], 0);
    EXPECT_EQ(s[3]["devices"]["shared"]["mode"], 2);
}

namespace {

// frm27 (gallery section 3) with three pictures: the first has sounds 0 (not sound), 1 (missing)
// and 2 (a real clip); the second has no picture file.
void writeGallery(const TextTree& tree, const std::string& pictureEntries) {
    tree.writeLines("data2\\qem0026.dat", glyphLines(3, 6, 1));
    tree.writeLines("data2\\qem0025.dat", glyphLines(3, 6, 2));
    tree.writeFields("data2\\qem0028.dat", {0, -1, 0, -1, 0, 2});
    tree.writeLines("data2\\qem0027.dat", {pictureEntries});
    tree.writeFields("data2\\qem0030.dat", {0, 2, 2, 2, 3, 2});
    tree.writeFields("data2\\qem0029.dat", {1, 2, 3});
    writeBytes(tree, "data4/001.dat", 20000);
    linkDemoFile(tree, "data4/003.dat");
    tree.writePicture("data3\\01.bmp", patterned(120, 80));
}

const std::string openFrm27 = "click 380 255\nwait 300\nclick 550 345\nwait 600\n";
std::string pictureRow(int r) { return "click 470 " + std::to_string(148 + 31 * r) + "\nwait 100\n"; }
std::string soundRow(int r) { return "click 220 " + std::to_string(292 + 31 * r) + "\nwait 100\n"; }

}  // namespace

TEST(BadInput, AGalleryLeavesOutAMissingPictureAndClosesThePanelForAMissingOrUnreadableSound) {
    TextTree tree;
    writeGallery(tree, "       1       2       3");
    const auto run = tree.run(openFrm27 + pictureRow(0) + soundRow(2) + "state\n" + soundRow(1) + "state\n" +
                              soundRow(2) + soundRow(0) + "state\nkey Enter\nwait 100\nstate\n" + pictureRow(1) +
                              "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 5u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["screen"]["pictureFile"], "data3\\01.bmp");
    EXPECT_TRUE(s[0]["screen"]["panelVisible"]);
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data4\\003.dat");
    EXPECT_FALSE(s[1]["screen"]["panelVisible"]);  // missing: closed without a word
    EXPECT_EQ(s[1]["devices"]["shared"]["mode"], 0);
    EXPECT_TRUE(s[1]["messageBoxes"].empty());
    ASSERT_EQ(s[2]["messageBoxes"].size(), 1u);  // not sound: the message
    EXPECT_EQ(s[2]["messageBoxes"][0]["text"], "undefined error !!");
    EXPECT_EQ(s[2]["messageBoxes"][0]["caption"], "error");
    EXPECT_FALSE(s[3]["screen"]["panelVisible"]);
    EXPECT_EQ(s[3]["active"], "frm27");
    EXPECT_EQ(s[4]["screen"]["selectedPicture"], 1);
    EXPECT_EQ(s[4]["screen"]["pictureFile"], nullptr);  // no file: the picture is emptied
    EXPECT_EQ(s[4]["screen"]["soundOfRow"], (std::vector<int>{2}));
    EXPECT_TRUE(s[4]["messageBoxes"].empty());
}

TEST(BadInput, AGalleryIndexWithNonDigitsIsReportedAndTheGalleryStillGoesBack) {
    TextTree tree;
    writeGallery(tree, "       1      2x       3");
    const auto run = tree.run(openFrm27 + "state\nkey Enter\nwait 100\nstate\n" + pictureRow(0) +
                              "key Escape\nwait 600\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    ASSERT_EQ(s[0]["messageBoxes"].size(), 1u);
    EXPECT_NE(std::string(s[0]["messageBoxes"][0]["text"]).find("qem0027.dat"), std::string::npos);
    EXPECT_EQ(s[1]["active"], "frm27");
    EXPECT_FALSE((*findControl(s[1], "Label2"))["visible"]);  // no list: every row hidden
    EXPECT_EQ(s[2]["active"], "frm26");
}
