#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "platform/media/media_file.h"

namespace vemra::media {

// Decoded pictures in showing order, waiting for their time. Files may store video a second or more
// ahead of their sound, so the queue holds a few seconds of pictures; beyond that (nobody shows
// them) the oldest go. After restart() the first picture is due at once, even when
// it is a little ahead (a seek may land past the picture of the start point): the picture of the
// old place does not stay.
class PictureQueue {
public:
    static constexpr std::size_t capacity = 64;

    void restart();
    void push(Picture picture);
    std::size_t size() const { return pictures_.size(); }
    bool hasPictureAfter(std::int32_t ms) const { return !pictures_.empty() && pictures_.back().ms > ms; }
    // Removes every picture due at `ms` and returns the latest of them.
    std::optional<Picture> takeDue(std::int32_t ms);
    // When the next picture is due, if one is waiting.
    std::optional<std::int32_t> nextDueMs() const;
    // Pictures pushed, and those that went without being taken (overtaken or pushed out).
    std::int64_t decoded() const { return decoded_; }
    std::int64_t dropped() const { return dropped_; }

private:
    std::deque<Picture> pictures_;
    bool restarted_ = true;
    std::int64_t decoded_ = 0;
    std::int64_t dropped_ = 0;
};

}  // namespace vemra::media
