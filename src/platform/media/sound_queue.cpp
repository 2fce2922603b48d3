#include "platform/media/sound_queue.h"

#include <algorithm>

namespace vemra::media {

void SoundQueue::restart(std::int64_t startFrame) {
    samples_.clear();
    head_ = 0;
    alignTo_ = startFrame;
}

void SoundQueue::push(std::optional<std::int64_t> firstFrame, const std::vector<std::int16_t>& samples) {
    std::size_t skip = 0;
    if (alignTo_ && firstFrame) {
        const std::int64_t offset = *firstFrame - *alignTo_;
        const std::int64_t count = std::int64_t(samples.size()) / channels_;
        if (offset + count <= 0) return;  // wholly before the start point
        if (offset < 0)
            skip = std::size_t(-offset) * std::size_t(channels_);
        else
            samples_.insert(samples_.end(), std::size_t(std::min(offset, maxGapFrames_)) * std::size_t(channels_),
                            std::int16_t{0});
    }
    alignTo_.reset();
    if (head_ > 0 && head_ >= samples_.size() / 2) {
        samples_.erase(samples_.begin(), samples_.begin() + std::ptrdiff_t(head_));
        head_ = 0;
    }
    samples_.insert(samples_.end(), samples.begin() + std::ptrdiff_t(skip), samples.end());
}

int SoundQueue::read(std::int16_t* out, int frames) {
    const int n = int(std::min<std::int64_t>(frames, this->frames()));
    const auto begin = samples_.begin() + std::ptrdiff_t(head_);
    std::copy(begin, begin + std::ptrdiff_t(n) * channels_, out);
    head_ += std::size_t(n) * std::size_t(channels_);
    return n;
}

}  // namespace vemra::media
