#include "platform/media/picture_queue.h"
#include <cstdio>

namespace vemra::media {

void PictureQueue::restart() {
    std::fprintf(stderr, "restart\n");
    pictures_.clear();
    restarted_ = true;
}

void PictureQueue::push(Picture picture) {
    std::fprintf(stderr, "push %d c=%06x n=%zu\n", picture.ms, picture.image.pixel(10,10), pictures_.size());
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
    if (due) std::fprintf(stderr, "take at %d c=%06x\n", ms, due->pixel(10,10));
    return due;
}

}  // namespace vemra::media
