#include "platform/media/picture_converter.h"

#include <algorithm>
#include <cmath>

namespace vemra::media {

gfx::Rect PictureConverter::placement(const AVFrame& frame, gfx::Size size) const {
    if (fit_ == PictureFit::fill) return {0, 0, size.width, size.height};
    const AVRational shape = frame.sample_aspect_ratio.num > 0 && frame.sample_aspect_ratio.den > 0
                                 ? frame.sample_aspect_ratio
                                 : AVRational{1, 1};
    const double aspect = double(frame.width) * shape.num / (double(frame.height) * shape.den);
    int width = size.width, height = size.height;
    if (double(size.width) / size.height > aspect)
        width = std::clamp(int(std::lround(size.height * aspect)), 1, size.width);
    else
        height = std::clamp(int(std::lround(size.width / aspect)), 1, size.height);
    return {(size.width - width) / 2, (size.height - height) / 2, width, height};
}

gfx::Bitmap PictureConverter::convert(const AVFrame& frame, gfx::Size size) {
    if (frame.width <= 0 || frame.height <= 0 || size.width <= 0 || size.height <= 0) return {};
    const gfx::Rect at = placement(frame, size);
    // AV_PIX_FMT_0RGB32 is the 0x00RRGGBB word of a Bitmap pixel in the machine's byte order.
    scaler_.reset(sws_getCachedContext(scaler_.release(), frame.width, frame.height, AVPixelFormat(frame.format),
                                       at.width, at.height, AV_PIX_FMT_0RGB32, SWS_BILINEAR, nullptr, nullptr,
                                       nullptr));
    if (!scaler_) return {};
    gfx::Bitmap image(size.width, size.height, gfx::colors::black);
    std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(image.row(at.top) + at.left), nullptr, nullptr, nullptr};
    const int strides[4] = {size.width * 4, 0, 0, 0};
    if (sws_scale(scaler_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides) <= 0) return {};
    for (int y = at.top; y < at.bottom(); ++y)
        for (gfx::Pixel* p = image.row(y) + at.left; p != image.row(y) + at.right(); ++p) *p &= 0x00ffffffu;  // padding byte
    return image;
}

}  // namespace vemra::media
