#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vemra::media {

// Decoded sound waiting for the output, as interleaved 16-bit frames. After restart() the queue
// lines its first block up with the start point: sound before it is dropped, and a gap between
// the start point and the first sound (at most maxGapFrames) is filled with silence. A new queue
// starts at frame 0.
class SoundQueue {
public:
    SoundQueue(int channels, std::int64_t maxGapFrames) : channels_(channels), maxGapFrames_(maxGapFrames) {}

    void restart(std::int64_t startFrame);
    void push(std::optional<std::int64_t> firstFrame, const std::vector<std::int16_t>& samples);
    std::int64_t frames() const { return std::int64_t(samples_.size() - head_) / channels_; }
    // Moves up to `frames` frames to `out`; returns how many it moved.
    int read(std::int16_t* out, int frames);

private:
    int channels_;
    std::int64_t maxGapFrames_;
    std::optional<std::int64_t> alignTo_ = 0;
    // Samples from head_ on are waiting; what lies before it has been read and is dropped in one
    // move once it is half of the buffer, so neither side allocates once the buffer has grown.
    std::vector<std::int16_t> samples_;
    std::size_t head_ = 0;
};

}  // namespace vemra::media
