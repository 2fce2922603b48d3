#pragma once

#include "platform/gfx/bitmap.h"
#include "platform/media/ffmpeg_handles.h"

namespace vemra::media {

// Scales decoded video pictures to a bitmap of a given size, filling it whole.
class PictureConverter {
public:
    // The frame as a bitmap of `size`; empty when the frame cannot be converted.
    gfx::Bitmap convert(const AVFrame& frame, gfx::Size size);

private:
    ScalerPtr scaler_;
};

}  // namespace vemra::media
