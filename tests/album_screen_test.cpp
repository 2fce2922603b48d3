// The picture album frm30 on the demo tree and on trees with damaged picture libraries, headless.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "kit/gen_album_jpeg.h"
#include "kit/pe_writer.h"
#include "platform/gfx/bmp.h"
#include "platform/gfx/png.h"
#include "platform/win/pe_module.h"
#include "text_tree_support.h"
#include "test_paths.h"

using namespace vemra;
using namespace vemra::testing;
namespace fs = std::filesystem;

namespace {

const std::string openAlbum = "click 530 195\nwait 400\nclick 290 440\nwait 600\n";
const std::string effectsOff = "click 46 447\nwait 100\n";
std::string entry(int row) { return "click 570 " + std::to_string(170 + 31 * (row - 1)) + "\nwait 600\n"; }
// 600 ms apart, so that two clicks on one button are no double click.
const std::string previous = "click 18 73\nwait 600\n";
const std::string next = "click 17 409\nwait 600\n";
const std::string slideshow = "click 16 234\nwait 100\n";
constexpr gfx::Rect area{33, 40, 481, 397};

// The picture of resource AK<n> of the demo library, decoded by djpeg.
gfx::Bitmap decodedElsewhere(int n) {
    const auto library = win::PeModule::open(fs::path(test_paths::demoTree) / "data3" / "qem002.dat");
    const auto bytes = library.resource("JPG", "AK" + std::to_string(n)).value();
    TempDir dir;
    std::ofstream(dir / "in.jpg", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            std::streamsize(bytes.size()));
    const std::string command = "djpeg -pnm '" + (dir / "in.jpg").string() + "' > '" + (dir / "out.ppm").string() + "'";
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream in(dir / "out.ppm", std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) return {};
    gfx::Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char rgb[3];
            in.read(reinterpret_cast<char*>(rgb), 3);
            b.setPixel(x, y, gfx::Color{rgb[0], rgb[1], rgb[2]}.pixel());
        }
    return b;
}

// How many pixels of the area differ from `picture` placed at `at` (area coordinates).
int differences(const gfx::Bitmap& shot, const gfx::Bitmap& picture, gfx::Point at, gfx::Rect within) {
    int count = 0;
    for (int y = within.top; y < within.bottom(); ++y)
        for (int x = within.left; x < within.right(); ++x)
            count += shot.pixel(area.left + x, area.top + y) != picture.pixel(x - at.x, y - at.y);
    return count;
}

// A tree whose place screen has no places and an empty index, so that the album is one click away.
void writeQuietPlaceScreen(const TextTree& tree) {
    tree.writeFields("data2\\qem0001.dat", {0, -1, 0, -1, 0, -1, 0, -1});
    tree.writeFields("data2\\qem0013.dat", {});
    tree.writeLines("data2\\qem0014.dat", {});
}

}  // namespace

TEST(Album, PicturesAreCentredOrCutAsTheirJpegDecodesElsewhereEvenWithTransitionsOff) {
    const gfx::Bitmap small = decodedElsewhere(1), large = decodedElsewhere(2);
    ASSERT_EQ(small.size(), (gfx::Size{300, 200})) << "djpeg is needed (scripts/install-deps)";
    ASSERT_EQ(large.size(), (gfx::Size{600, 500}));
    TempDir dir;
    const auto run = runTitle(effectsOff + openAlbum + "state\n" + entry(1) + "state\nshot " +
                              (dir / "small.png").string() + "\n" + next + "state\nshot " + (dir / "large.png").string() +
                              "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 3u);
    const auto& s = run.states;
    EXPECT_EQ(s[0]["active"], "frm30");
    EXPECT_EQ(s[0]["devices"]["shared"]["file"], "data1\\15.dat");
    EXPECT_EQ(s[1]["screen"]["albumPictures"], (nlohmann::json{1, 2, 3}));
    EXPECT_EQ(s[1]["vars"]["articleIndex"], 1);
    // Each picture change runs the next effect though the switch is off.
    EXPECT_EQ(int(s[1]["vars"]["nextEffect"]), int(s[0]["vars"]["nextEffect"]) % 8 + 1);
    EXPECT_EQ(int(s[2]["vars"]["nextEffect"]), int(s[1]["vars"]["nextEffect"]) % 8 + 1);

    const gfx::Bitmap shot = gfx::readPng(dir / "small.png");
    EXPECT_EQ(differences(shot, small, {90, 98}, {90, 98, 300, 200}), 0);
    const gfx::Bitmap background = gfx::readBmp(fs::path(test_paths::demoTree) / "art" / "frm30" / "m1.bmp");
    EXPECT_EQ(shot.pixel(area.left + 89, area.top + 98), background.pixel(area.left + 89, area.top + 98));
    EXPECT_EQ(shot.pixel(area.left + 90, area.top + 298), background.pixel(area.left + 90, area.top + 298));
    // 600 × 500 in 481 × 397: cut equally, (481 − 600) div 2 = −59 and (397 − 500) div 2 = −51.
    EXPECT_EQ(differences(gfx::readPng(dir / "large.png"), large, {-59, -51}, {0, 0, area.width, area.height}), 0);
}

TEST(Album, NextAndPreviousStopAtTheEndsOfAnEntry) {
    const auto run = runTitle(openAlbum + entry(1) + next + next + "state\n" + next + "state\n" + previous + previous +
                              "state\n" + previous + "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 4u);
    const int positions[] = {3, 3, 1, 1};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(run.states[i]["screen"]["albumPos"], positions[i]) << i;
        EXPECT_EQ(run.states[i]["screen"]["picture"], positions[i]) << i;
    }
    // Refused steps show nothing, so no effect runs.
    EXPECT_EQ(run.states[1]["vars"]["nextEffect"], run.states[0]["vars"]["nextEffect"]);
    EXPECT_EQ(run.states[3]["vars"]["nextEffect"], run.states[2]["vars"]["nextEffect"]);
}

TEST(Album, TheSlideshowStepsEveryThreeSecondsPausesOnceAndStopsForAnotherEntry) {
    // Entry 2 holds pictures 4 and 5; the slideshow starts 100 ms before the first state.
    const auto run = runTitle(openAlbum + entry(2) + slideshow + "state\n" + next + "state\nwait 2100\nstate\n"
                              "wait 700\nstate\nwait 3000\nstate\nwait 3000\nstate\n" + entry(1) + "state\nwait 3500\n"
                              "state\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 8u);
    const auto& s = run.states;
    EXPECT_TRUE(s[0]["screen"]["slideshowOn"]);
    EXPECT_FALSE((*findControl(s[0], "Image4"))["enabled"]);
    EXPECT_FALSE((*findControl(s[0], "Image5"))["enabled"]);
    const int positions[] = {1, 1, 1, 2, 0, 1};
    const int pictures[] = {4, 4, 4, 5, 5, 4};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(s[i]["screen"]["albumPos"], positions[i]) << i;
        EXPECT_EQ(s[i]["screen"]["picture"], pictures[i]) << i;
    }
    EXPECT_FALSE(s[6]["screen"]["slideshowOn"]);
    EXPECT_TRUE((*findControl(s[6], "Image4"))["enabled"]);
    EXPECT_EQ(s[6]["screen"]["albumPos"], 1);
    EXPECT_EQ(s[6]["screen"]["picture"], 1);
    EXPECT_EQ(s[7]["screen"]["albumPos"], 1);
}

TEST(Album, DamagedPicturesLeaveTheAreaAsItWas) {
    TextTree tree;
    writeQuietPlaceScreen(tree);
    tree.writeLines("data2\\qem0037.dat", {glyphLine(4, 1), glyphLine(4, 2)});
    tree.writeFields("data2\\qem0038.dat", {1, 2, 3, 4, 5, 6, 7, 8});
    tree.writeFields("data2\\qem0039.dat", {0, 7, 1, 1});
    const auto good = kit::encodeJpeg(patterned(300, 200));
    const auto wide = kit::encodeJpeg(patterned(4100, 8));
    kit::ResourceModuleWriter library;
    const auto add = [&](int n, std::vector<std::uint8_t> bytes, std::string size) {
        if (!bytes.empty()) library.add("JPG", "AK" + std::to_string(n), std::move(bytes));
        if (!size.empty()) library.addString(std::uint16_t(n), size);
    };
    add(1, good, std::to_string(good.size()));
    add(2, {}, "100");                                                     // no resource
    add(3, good, "");                                                      // no size string
    add(4, good, std::to_string(good.size() + 1));                         // more than the resource holds
    add(5, good, "12ab");                                                  // no number
    add(6, good, std::to_string(good.size() / 2));                         // the picture cut short
    add(7, std::vector<std::uint8_t>(500, 0x41), "500");                   // no JPEG
    add(8, wide, std::to_string(wide.size()));                             // wider than 4096
    std::filesystem::create_directories(tree.path() / "data3");
    library.write(tree.path() / "data3" / "qem002.dat");

    std::string script = "click 530 195\nwait 400\nclick 290 440\nwait 600\n" + entry(1) + "state\nshot " +
                         tree.shotPath("first") + "\n";
    for (int n = 2; n <= 8; ++n) script += next + "state\n";
    script += "shot " + tree.shotPath("last") + "\nquit\n";
    const auto run = tree.run(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 8u);
    for (std::size_t i = 1; i < 8; ++i) {
        EXPECT_EQ(run.states[i]["screen"]["albumPos"], i + 1) << i;
        EXPECT_EQ(run.states[i]["vars"]["nextEffect"], run.states[0]["vars"]["nextEffect"]) << i;
        EXPECT_TRUE(run.states[i]["messageBoxes"].empty()) << i;
    }
    const gfx::Bitmap first = tree.shot("first");
    EXPECT_EQ(differingArea(first, tree.shot("last"), area), gfx::Rect{});
    EXPECT_NE(first.pixel(area.left + 90, area.top + 98), gfx::Bitmap(1, 1).pixel(0, 0));
}

TEST(Album, AMissingLibraryLeavesTheAreaEmpty) {
    TextTree tree;
    writeQuietPlaceScreen(tree);
    tree.writeLines("data2\\qem0037.dat", {glyphLine(4, 1)});
    tree.writeFields("data2\\qem0038.dat", {1});
    tree.writeFields("data2\\qem0039.dat", {0, 0});
    tree.writePicture("art\\frm30\\m1.bmp", patterned(640, 480));
    const auto run = tree.run("click 530 195\nwait 400\nclick 290 440\nwait 600\n" + entry(1) + "state\nshot " +
                              tree.shotPath("album") + "\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.states.at(0)["screen"]["albumPos"], 1);
    EXPECT_TRUE(run.states[0]["messageBoxes"].empty());
    EXPECT_EQ(inkOver(tree.shot("album"), area, patterned(640, 480), {0, 0}), gfx::Rect{});
}

TEST(Album, AWideTitleShowsWholeOnAnOpaqueOverlayUntilTheMouseMovesToThePictures) {
    const auto run = runTitle(openAlbum + "move 570 232\nwait 50\nstate\nmove 300 300\nwait 50\nstate\nquit\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 2u);
    const auto& shown = run.states[0];
    EXPECT_EQ(shown["screen"]["expandedLine"], 3);
    const auto& overlay = *findControl(shown, "labcamov");
    EXPECT_EQ(overlay["top"], 217);
    EXPECT_EQ(int(overlay["left"]) + int(overlay["width"]), 519 + 106);
    EXPECT_GT(overlay["width"], 106);
    EXPECT_EQ(run.states[1]["screen"]["expandedLine"], nullptr);
    EXPECT_EQ((*findControl(run.states[1], "labcamov"))["top"], 2000);
}
