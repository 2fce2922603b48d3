#include "platform/media/picture_queue.h"

#include <limits>

namespace vemra::media {

void PictureQueue::restart() {
    pictures_.clear();
    restarted_ = true;
}

void PictureQueue::push(Picture picture) {
    pictures_.push_back(std::move(picture));
    ++decoded_;
    if (pictures_.size() > capacity) {
        pictures_.pop_front();
        ++dropped_;
    }
}

std::optional<Picture> PictureQueue::takeDue(std::int32_t ms) {
    std::optional<Picture> due;
    const auto take = [&] {
        if (due) ++dropped_;
        due = std::move(pictures_.front());
        pictures_.pop_front();
    };
    if (restarted_ && !pictures_.empty()) {
        take();
        restarted_ = false;
    }
    while (!pictures_.empty() && pictures_.front().ms <= ms) take();
    return due;
}

std::optional<std::int32_t> PictureQueue::nextDueMs() const {
    if (pictures_.empty()) return std::nullopt;
    return restarted_ ? std::numeric_limits<std::int32_t>::min() : pictures_.front().ms;
}

}  // namespace vemra::media
