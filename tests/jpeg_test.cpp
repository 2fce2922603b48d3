// Decoding JPEG pictures from memory.
#include <gtest/gtest.h>

#include "kit/gen_album_jpeg.h"
#include "platform/gfx/jpeg.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"
#include "test_paths.h"

using namespace vemra;

TEST(Jpeg, DecodesAtFullSizeCloseToTheEncodedColours) {
    gfx::Bitmap picture(64, 48, gfx::Color{200, 40, 10});
    picture.fill({0, 24, 64, 24}, gfx::Color{10, 60, 220});
    const gfx::Bitmap decoded = gfx::decodeJpeg(kit::encodeJpeg(picture));
    ASSERT_EQ(decoded.size(), (gfx::Size{64, 48}));
    const auto near = [](gfx::Pixel p, gfx::Color c) {
        return std::abs(int((p >> 16) & 255) - c.r) < 8 && std::abs(int((p >> 8) & 255) - c.g) < 8 &&
               std::abs(int(p & 255) - c.b) < 8 && (p >> 24) == 0;
    };
    EXPECT_TRUE(near(decoded.pixel(10, 5), gfx::Color{200, 40, 10}));
    EXPECT_TRUE(near(decoded.pixel(50, 40), gfx::Color{10, 60, 220}));
}

TEST(Jpeg, RefusesWhatIsNoWholePictureOrTooLarge) {
    const auto good = kit::encodeJpeg(gfx::Bitmap(40, 30));
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2));
    const std::vector<std::uint8_t> text(200, 'x');
    EXPECT_THROW(gfx::decodeJpeg(cut), win::FormatError);
    EXPECT_THROW(gfx::decodeJpeg(text), win::FormatError);
    EXPECT_THROW(gfx::decodeJpeg({}), win::FormatError);
    EXPECT_THROW(gfx::decodeJpeg(kit::encodeJpeg(gfx::Bitmap(gfx::maxJpegSide + 1, 2))), win::FormatError);
    EXPECT_NO_THROW(gfx::decodeJpeg(kit::encodeJpeg(gfx::Bitmap(gfx::maxJpegSide, 2))));
}

TEST(Jpeg, GreyProgressivePicturesComeOutGrey) {
    const auto bytes = win::readBinaryFile(std::string(test_paths::testData) + "/grey-progressive.jpg");
    const gfx::Bitmap decoded = gfx::decodeJpeg(bytes);
    ASSERT_EQ(decoded.size(), (gfx::Size{16, 12}));
    for (const gfx::Pixel p : decoded.pixels()) {
        EXPECT_EQ((p >> 16) & 255, (p >> 8) & 255);
        EXPECT_EQ((p >> 8) & 255, p & 255);
        EXPECT_EQ(p >> 24, 0u);
    }
}
