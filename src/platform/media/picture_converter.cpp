#include "platform/media/picture_converter.h"

namespace vemra::media {

gfx::Bitmap PictureConverter::convert(const AVFrame& frame, gfx::Size size) {
    if (frame.width <= 0 || frame.height <= 0 || size.width <= 0 || size.height <= 0) return {};
    // AV_PIX_FMT_0RGB32 is the 0x00RRGGBB word of a Bitmap pixel in the machine's byte order.
    scaler_.reset(sws_getCachedContext(scaler_.release(), frame.width, frame.height, AVPixelFormat(frame.format),
                                       size.width, size.height, AV_PIX_FMT_0RGB32, SWS_BILINEAR, nullptr, nullptr,
                                       nullptr));
    if (!scaler_) return {};
    gfx::Bitmap image(size.width, size.height, gfx::colors::black);
    std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(image.row(0)), nullptr, nullptr, nullptr};
    const int strides[4] = {size.width * 4, 0, 0, 0};
    if (sws_scale(scaler_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides) <= 0) return {};
    for (int y = 0; y < size.height; ++y)
        for (gfx::Pixel* p = image.row(y); p != image.row(y) + size.width; ++p) *p &= 0x00ffffffu;  // padding byte
    return image;
}

}  // namespace vemra::media
