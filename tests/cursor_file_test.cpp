#include <gtest/gtest.h>

#include "format_builders.h"
#include "platform/gfx/png.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"
#include "platform/win/cursor_file.h"
#include "scenario_support.h"

namespace vemra::win {
namespace {

using testing::CursorImage;

constexpr std::uint32_t red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF;

std::vector<std::uint8_t> singleImageCur(std::uint32_t argb) {
    return testing::curFile({{32, 32, 3, 4, testing::argbIconImage(32, 32, argb)}});
}

TEST(CursorFile, TakesTheImageClosestTo32WithItsHotSpot) {
    const auto shape = decodeCursorFile(testing::curFile({{16, 16, 1, 1, testing::argbIconImage(16, 16, red)},
                                                          {32, 32, 7, 9, testing::argbIconImage(32, 32, green)},
                                                          {48, 48, 2, 2, testing::argbIconImage(48, 48, blue)}}));
    ASSERT_EQ(shape.frames.size(), 1u);
    EXPECT_FALSE(shape.animated());
    const auto& f = shape.frames[0];
    EXPECT_EQ(f.width, 32);
    EXPECT_EQ(f.height, 32);
    EXPECT_EQ(f.hotspot, (gfx::Point{7, 9}));
    EXPECT_EQ(f.argb.size(), 32u * 32u);
    EXPECT_EQ(f.argb[0], green);
    // A hot spot outside the image is kept inside it.
    EXPECT_EQ(decodeCursorFile(testing::curFile({{32, 32, 90, 31, testing::argbIconImage(32, 32, red)}})).frames[0].hotspot,
              (gfx::Point{31, 31}));
}

TEST(CursorFile, AndMaskGivesTransparencyUnlessTheImageHasAlpha) {
    // 2 x 2 monochrome, bottom-up: colour rows (1 0), (0 1); mask rows (0 1), (1 1).
    testing::Bytes image;
    image.u32(40).u32(2).u32(4).u16(1).u16(1).u32(0).zeros(20).u32(0x000000).u32(0xFFFFFF);
    image.u32(0x80).u32(0x40).u32(0x40).u32(0xC0);
    const auto mono = decodeCursorFile(testing::curFile({{2, 2, 0, 0, image.data}})).frames[0];
    EXPECT_EQ(mono.argb, (std::vector<std::uint32_t>{0, 0xFF000000, 0xFFFFFFFF, 0}));
    // 32 bits whose alpha bytes are all zero: the (clear) mask decides, so every pixel shows.
    EXPECT_EQ(decodeCursorFile(singleImageCur(0x00123456)).frames[0].argb[0], 0xFF123456u);
    EXPECT_EQ(decodeCursorFile(singleImageCur(0x80123456)).frames[0].argb[0], 0x80123456u);
}

TEST(CursorFile, ImagesMayBePng) {
    vemra::testing::TempDir dir;
    gfx::Bitmap picture(20, 10, gfx::Color{0, 0, 255});
    gfx::writePng(picture, dir / "frame.png");
    const auto frame = decodeCursorFile(testing::curFile({{20, 10, 5, 5, readBinaryFile(dir / "frame.png")}})).frames[0];
    EXPECT_EQ(frame.width, 20);
    EXPECT_EQ(frame.height, 10);
    EXPECT_EQ(frame.argb[0], blue);
}

TEST(CursorFile, AnimatedCursorFollowsSequenceAndRates) {
    const auto shape = decodeCursorFile(
        testing::aniFile({{singleImageCur(red), singleImageCur(green)}, 6, {6, 12, 3, 0}, {0, 1, 1, 0}}));
    ASSERT_EQ(shape.frames.size(), 4u);
    EXPECT_TRUE(shape.animated());
    std::vector<std::uint32_t> firstPixels;
    for (const auto& f : shape.frames) firstPixels.push_back(f.argb[0] | 0xFF000000);
    EXPECT_EQ(firstPixels, (std::vector<std::uint32_t>{red, green, green, red}));
    EXPECT_EQ(shape.frameMs, (std::vector<int>{100, 200, 50, 17}));
    EXPECT_EQ(shape.frames[0].hotspot, (gfx::Point{3, 4}));

    const auto plain = decodeCursorFile(testing::aniFile({{singleImageCur(red), singleImageCur(blue)}, 3, {}, {}}));
    EXPECT_EQ(plain.frameMs, (std::vector<int>{50, 50}));
}

TEST(CursorFile, MalformedCursorsAreRejected) {
    auto withByte = [](std::vector<std::uint8_t> b, std::size_t at, std::uint8_t v) { return b.at(at) = v, b; };
    const auto cur = singleImageCur(red);
    const auto ani = testing::aniFile({{cur, cur}, 6, {}, {0, 1}});
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"type 3", withByte(cur, 2, 3)},
        {"no images", withByte(cur, 4, 0)},
        {"image past the end", withByte(cur, 6 + 15, 0x40)},
        {"image too large", testing::curFile({{0, 0, 0, 0, testing::argbIconImage(300, 2, red)}})},
        {"more frames than icons", withByte(ani, 12 + 8 + 4, 3)},
        {"step shows a missing frame", testing::aniFile({{cur, cur}, 6, {}, {0, 2}})},
        {"frames not icons", withByte(ani, 12 + 8 + 32, 2)},
        {"chunk past the end", withByte(ani, 12 + 4 + 2, 0x10)},
        {"no header", withByte(ani, 12, 'x')},
        {"truncated frame", {ani.begin(), ani.end() - 100}},
    };
    for (const auto& [what, bytes] : cases) EXPECT_THROW(decodeCursorFile(bytes), FormatError) << what;
}

}  // namespace
}  // namespace vemra::win
