#include "platform/media/picture_queue.h"

namespace vemra::media {

void PictureQueue::restart() {
    pictures_.clear();
    restarted_ = true;
}

void PictureQueue::push(Picture picture) {
    pictures_.push_back(std::move(picture));
    if (pictures_.size() > capacity) pictures_.pop_front();
}

std::optional<gfx::Bitmap> PictureQueue::takeDue(std::int32_t ms) {
    std::optional<gfx::Bitmap> due;
    if (restarted_ && !pictures_.empty()) {
        due = std::move(pictures_.front().image);
        pictures_.pop_front();
        restarted_ = false;
    }
    while (!pictures_.empty() && pictures_.front().ms <= ms) {
        due = std::move(pictures_.front().image);
        pictures_.pop_front();
    }
    return due;
}

}  // namespace vemra::media
