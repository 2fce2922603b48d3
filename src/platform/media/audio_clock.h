#pragma once

#include <cstdint>
#include <deque>

namespace vemra::media {

// Which moment of a sound is being heard: every buffer handed to an output starts to be heard
// `latencyUs` after it was handed over and then plays at the output's rate. Between two buffers
// this moves smoothly, where a count of the frames handed over would jump a buffer at a time and
// run ahead of the sound by the output's latency. Not thread-safe.
class AudioClock {
public:
    AudioClock(int rate, std::int64_t latencyUs) : rate_(rate), latencyUs_(latencyUs) {}

    // Forgets what was handed over: `frame` is heard until the next buffer.
    void restart(std::int64_t frame);
    // `frames` frames from `first` on were handed to the output at `atUs`.
    void handed(std::int64_t first, int frames, std::int64_t atUs);
    // The moment of the sound (µs from its frame 0) heard at `atUs`.
    std::int64_t heardUs(std::int64_t atUs) const;

private:
    struct Buffer {
        std::int64_t first;
        int frames;
        std::int64_t atUs;
    };
    std::int64_t framesToUs(std::int64_t frames) const { return frames * 1'000'000 / rate_; }

    int rate_;
    std::int64_t latencyUs_;
    std::int64_t before_ = 0;   // heard while no buffer kept is yet being heard
    std::deque<Buffer> buffers_;  // the last one being heard and those handed over since
};

}  // namespace vemra::media
