#pragma once

#include "platform/gfx/bitmap.h"
#include "platform/media/ffmpeg_handles.h"

namespace vemra::media {

// How a video picture takes the size it is shown at.
enum class PictureFit {
    fill,        // stretched over the whole size
    keepAspect,  // as large as fits with its display shape (pixel shape applied), centred on black
};

// Scales decoded video pictures to a bitmap of a given size.
class PictureConverter {
public:
    explicit PictureConverter(PictureFit fit = PictureFit::fill) : fit_(fit) {}

    // The frame as a bitmap of `size`; empty when the frame cannot be converted.
    gfx::Bitmap convert(const AVFrame& frame, gfx::Size size);

private:
    // Where the picture lies inside `size`.
    gfx::Rect placement(const AVFrame& frame, gfx::Size size) const;

    PictureFit fit_;
    ScalerPtr scaler_;
};

}  // namespace vemra::media
