// Video pictures scaled to their display: stretched, or keeping their shape on black.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/media/picture_converter.h"

using namespace vemra;

namespace {

// A white YUV 4:2:0 picture with the given pixel shape.
media::FramePtr whiteFrame(int width, int height, AVRational pixelShape) {
    media::FramePtr frame(av_frame_alloc());
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    frame->sample_aspect_ratio = pixelShape;
    if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
    for (int plane = 0; plane < 3; ++plane) {
        const int rows = plane == 0 ? height : (height + 1) / 2;
        std::memset(frame->data[plane], plane == 0 ? 235 : 128, std::size_t(frame->linesize[plane]) * std::size_t(rows));
    }
    return frame;
}

// The rows of `b` whose middle pixel is not black.
std::pair<int, int> pictureRows(const gfx::Bitmap& b) {
    int first = -1, last = -1;
    for (int y = 0; y < b.height(); ++y)
        if (b.pixel(b.width() / 2, y) != gfx::colors::black.pixel()) {
            if (first < 0) first = y;
            last = y;
        }
    return {first, last};
}

}  // namespace

TEST(PictureConverter, KeepingTheShapeCentresAWidePictureBetweenBlackBands) {
    const auto frame = whiteFrame(320, 120, {1, 1});
    ASSERT_TRUE(frame);
    media::PictureConverter keep(media::PictureFit::keepAspect), fill;
    const gfx::Bitmap kept = keep.convert(*frame, {240, 180});
    ASSERT_EQ(kept.size(), (gfx::Size{240, 180}));
    EXPECT_EQ(pictureRows(kept), (std::pair{45, 134}));  // 240 × 90 in the middle
    EXPECT_EQ(pictureRows(fill.convert(*frame, {240, 180})), (std::pair{0, 179}));
}

TEST(PictureConverter, ThePixelShapeCountsSoSifPicturesFillAFourByThreeRegion) {
    const auto frame = whiteFrame(352, 240, {10, 11});  // 4:3 on screen
    ASSERT_TRUE(frame);
    media::PictureConverter keep(media::PictureFit::keepAspect);
    const gfx::Bitmap kept = keep.convert(*frame, {240, 180});
    EXPECT_EQ(pictureRows(kept), (std::pair{0, 179}));
    EXPECT_NE(kept.pixel(0, 90), gfx::colors::black.pixel());
    EXPECT_NE(kept.pixel(239, 90), gfx::colors::black.pixel());
}
