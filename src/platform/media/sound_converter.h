#pragma once

#include <cstdint>
#include <vector>

#include "platform/media/ffmpeg_handles.h"

namespace vemra::media {

// Turns decoded sound of any layout, format and rate into interleaved 16-bit frames at the output's
// rate and channel count.
class SoundConverter {
public:
    SoundConverter(int rate, int channels) : rate_(rate), channels_(channels) {}

    // The frame's sound converted; empty when the frame cannot be converted.
    std::vector<std::int16_t> convert(const AVFrame& frame);
    // Forgets the sound held back for resampling, after a seek.
    void reset() { resampler_.reset(); }

private:
    struct Input {
        int format = -1;
        int rate = 0;
        int channels = 0;
        friend bool operator==(const Input&, const Input&) = default;
    };
    bool configure(const AVFrame& frame);

    int rate_;
    int channels_;
    Input input_;
    ResamplerPtr resampler_;
};

}  // namespace vemra::media
