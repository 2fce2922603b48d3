#include "platform/media/audio_clock.h"

#include <algorithm>

namespace vemra::media {

void AudioClock::restart(std::int64_t frame) {
    buffers_.clear();
    before_ = frame;
}

void AudioClock::handed(std::int64_t first, int frames, std::int64_t atUs) {
    if (frames <= 0) return;
    buffers_.push_back({first, frames, atUs});
    // A buffer is of no more use once the one after it is being heard.
    while (buffers_.size() > 1 && buffers_[1].atUs + latencyUs_ <= atUs) {
        before_ = buffers_[0].first + buffers_[0].frames;
        buffers_.pop_front();
    }
}

std::int64_t AudioClock::heardUs(std::int64_t atUs) const {
    for (auto it = buffers_.rbegin(); it != buffers_.rend(); ++it) {
        const std::int64_t since = atUs - it->atUs - latencyUs_;
        if (since >= 0) return framesToUs(it->first) + std::min(since, framesToUs(it->frames));
    }
    return framesToUs(before_);
}

}  // namespace vemra::media
