#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "format_builders.h"
#include "platform/gfx/bmp.h"
#include "platform/win/binary_reader.h"

namespace vemra::gfx {
namespace {

using testing::DibSpec;

constexpr Pixel red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF, black = 0, grey = 0x111111;

std::vector<std::vector<Pixel>> rowsOf(const Bitmap& b) {
    std::vector<std::vector<Pixel>> rows(std::size_t(b.height()));
    for (int y = 0; y < b.height(); ++y) rows[std::size_t(y)].assign(b.row(y), b.row(y) + b.width());
    return rows;
}

using Rows = std::vector<std::vector<Pixel>>;

TEST(Bmp, IndexedDepthsUseTheirColourTable) {
    // 1 bit, bottom-up: stored bottom row 1 0 1, top row 0 1 0.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({3, 2, 1, 0, {black, white}, {}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}}))),
              (Rows{{black, white, black}, {white, black, white}}));
    // 4 bits with a three-colour table.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({3, 1, 4, 0, {red, green, blue}, {}, {0x01, 0x20, 0, 0}, 3}))),
              (Rows{{red, green, blue}}));
    // 8 bits: an index past a short table is black.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({3, 1, 8, 0, {red, green}, {}, {1, 0, 7, 0}, 2}))),
              (Rows{{green, red, black}}));
}

TEST(Bmp, DirectDepthsWithDefaultMasksAndBitFields) {
    // 16 bits, 5-5-5 by default.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({3, 1, 16, 0, {}, {}, {0x00, 0x7C, 0xE0, 0x03, 0x10, 0x42, 0, 0}}))),
              (Rows{{red, green, 0x848484}}));
    // 16 bits, 5-6-5 bit fields.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07}}))),
              (Rows{{red, green}}));
    // 24 bits, bottom-up with row padding.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib(
                  {2, 2, 24, 0, {}, {}, {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}}))),
              (Rows{{red, white}, {blue, green}}));
    // 32 bits: blue-green-red-unused bytes, and bit fields with red and blue exchanged.
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({2, 1, 32, 0, {}, {}, {0, 0, 0xFF, 0x00, 0xFF, 0, 0, 0x80}}))),
              (Rows{{red, blue}}));
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({1, 1, 32, 3, {}, {0xFF, 0xFF00, 0xFF0000}, {0xFF, 0, 0, 0}}))),
              (Rows{{red}}));
}

TEST(Bmp, TopDownRowsComeFirst) {
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({1, -2, 24, 0, {}, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}}))),
              (Rows{{red}, {blue}}));
}

TEST(Bmp, Rle8RunsLiteralsLineEndsDeltasAndEnd) {
    const std::vector<std::uint8_t> rle = {2, 1,  0, 0,  0, 3, 2, 1, 2, 0,  0, 2, 0, 1,  1, 2,  0, 1,  9, 9};
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({4, 3, 8, 1, {grey, red, green}, {}, rle, 3}))),
              (Rows{{black, black, black, green}, {green, red, green, black}, {red, red, black, black}}));
}

TEST(Bmp, Rle4RunsAlternateNibblesAndLiteralsArePadded) {
    const std::vector<std::uint8_t> rle = {5, 0x12,  0, 0,  0, 3, 0x12, 0x30,  2, 0x03};
    EXPECT_EQ(rowsOf(decodeDib(testing::dib({5, 2, 4, 2, {grey, red, green, blue}, {}, rle, 4}))),
              (Rows{{red, green, blue, grey, blue}, {red, green, red, green, red}}));
}

TEST(Bmp, FileHeaderGivesThePixelOffsetAndOs2HeadersWork) {
    auto file = testing::bmpFile({1, 1, 24, 0, {}, {}, {0xFF, 0, 0, 0}});
    EXPECT_EQ(rowsOf(decodeBmp(file)), (Rows{{blue}}));
    // Four bytes of gap before the pixels.
    file.insert(file.end() - 4, {1, 2, 3, 4});
    file[10] += 4;
    EXPECT_EQ(rowsOf(decodeBmp(file)), (Rows{{blue}}));

    testing::Bytes core;
    core.u32(12).u16(2).u16(1).u16(1).u16(8);
    for (int i = 0; i < 256; ++i) core.u8(i).u8(0).u8(255 - i);  // blue, green, red
    core.u8(0).u8(255).zeros(2);
    EXPECT_EQ(rowsOf(decodeDib(core.data)), (Rows{{red, blue}}));
}

TEST(Bmp, MalformedBitmapsAreRejected) {
    const DibSpec valid{2, 2, 24, 0, {}, {}, std::vector<std::uint8_t>(16, 0x40)};
    ASSERT_NO_THROW(decodeDib(testing::dib(valid)));
    const std::vector<std::pair<const char*, std::function<void(DibSpec&)>>> breakages = {
        {"pixels cut short", [](DibSpec& s) { s.pixels.resize(10); }},
        {"zero width", [](DibSpec& s) { s.width = 0; }},
        {"zero height", [](DibSpec& s) { s.height = 0; }},
        {"most negative height", [](DibSpec& s) { s.height = INT_MIN; }},
        {"too wide", [](DibSpec& s) { s.width = maxBmpSide + 1; }},
        {"too many pixels", [](DibSpec& s) { s.width = s.height = maxBmpSide; }},
        {"seven bits", [](DibSpec& s) { s.bits = 7; }},
        {"JPEG compression", [](DibSpec& s) { s.compression = 4; }},
        {"RLE8 of 24 bits", [](DibSpec& s) { s.compression = 1; }},
        {"colour table past the end", [](DibSpec& s) { s.bits = 8, s.colorsUsed = 200; }},
        {"mask not one run", [](DibSpec& s) { s.bits = 16, s.compression = 3, s.masks = {0xF0F0, 0x0F00, 0x000F}; }},
        {"top-down RLE", [](DibSpec& s) { s.bits = 8, s.compression = 1, s.height = -2, s.pixels = {0, 1}; }},
        {"RLE delta cut short", [](DibSpec& s) { s.bits = 8, s.compression = 1, s.pixels = {0, 2, 1}; }},
        {"RLE literal cut short", [](DibSpec& s) { s.bits = 8, s.compression = 1, s.pixels = {0, 5, 1, 2}; }},
    };
    for (const auto& [what, breakIt] : breakages) {
        DibSpec request = valid;
        breakIt(request);
        EXPECT_THROW(decodeDib(testing::dib(request)), win::FormatError) << what;
    }
    auto badHeaderSize = testing::dib(valid);
    badHeaderSize[0] = 13;
    EXPECT_THROW(decodeDib(badHeaderSize), win::FormatError);
    auto badSignature = testing::bmpFile(valid);
    badSignature[1] = 'X';
    EXPECT_THROW(decodeBmp(badSignature), win::FormatError);
    auto offsetPastEnd = testing::bmpFile(valid);
    offsetPastEnd[11] = 0x10;
    EXPECT_THROW(decodeBmp(offsetPastEnd), win::FormatError);
}

}  // namespace
}  // namespace vemra::gfx
