#include "platform/media/playback.h"

#include <pthread.h>

#include <algorithm>
#include <utility>

#include "platform/ui/application.h"

namespace vemra::media {

Playback::Playback(const MediaSource& source, MediaKind kind, gfx::Size pictureSize, ui::AudioOutput& output,
                   bool virtualTime, PictureFit fit)
    : file_(std::make_unique<MediaFile>(source, kind, output.sampleRate(), output.channels(), fit)),
      output_(output),
      virtualTime_(virtualTime),
      rate_(output.sampleRate()),
      channels_(output.channels()),
      hasSound_(file_->hasSound()),
      hasPictures_(file_->hasPictures()),
      length_(file_->lengthMs()),
      sound_(channels_, rate_),
      pictureSize_(pictureSize),
      heard_(rate_, output.latencyUs()),
      thread_([this] { decodeLoop(); }) {}

Playback::~Playback() {
    if (hasSound_) output_.detach(this);
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

bool Playback::wantsMoreLocked() const {
    const bool showsPictures = hasPictures_ && pictureSize_.width > 0 && pictureSize_.height > 0;
    return (hasSound_ && sound_.frames() < rate_ / 2) ||
           (showsPictures && pictures_.size() < std::size_t(picturesAhead));
}

void Playback::decodeLoop() {
    pthread_setname_np(pthread_self(), "vemra-decode");  // tells it apart in the system's tools
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!pendingSeek_ && (exhausted_ || !wantsMoreLocked())) {
            wake_.wait(lock);
            continue;
        }
        lock.unlock();
        {
            std::lock_guard decoding(decoding_);
            decodeStep();
        }
        lock.lock();
    }
}

void Playback::decodeStep() {
    std::uint64_t generation = 0;
    std::optional<std::int32_t> seekTo;
    gfx::Size size;
    {
        std::lock_guard lock(mutex_);
        if (exhaustedLocked()) return;
        generation = generation_;
        seekTo = std::exchange(pendingSeek_, std::nullopt);
        size = pictureSize_;
    }
    if (seekTo) file_->seek(*seekTo);
    Decoded out;
    const bool more = file_->decodeNext(out, size);
    std::lock_guard lock(mutex_);
    if (generation != generation_) return;  // moved elsewhere meanwhile
    for (const SoundBlock& block : out.sound) sound_.push(block.firstFrame, block.samples);
    for (Picture& picture : out.pictures) pictures_.push(std::move(picture));
    exhausted_ = !more;
}

template <class Enough>
void Playback::decodeUntil(Enough enough) {
    std::lock_guard decoding(decoding_);
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (enough() || exhaustedLocked()) return;
        }
        decodeStep();
    }
}

void Playback::setPictureSize(gfx::Size size) {
    {
        std::lock_guard lock(mutex_);
        pictureSize_ = size;
    }
    wake_.notify_one();
}

void Playback::moveTo(std::int32_t ms) {
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        pendingSeek_ = ms;
        sound_.restart(std::int64_t(ms) * rate_ / 1000);
        pictures_.restart();
        exhausted_ = false;
        ended_ = false;
        framesPlayed_ = 0;
        heard_.restart(0);
    }
    wake_.notify_one();
    startMs_ = ms;
    elapsedUs_ = 0;
    if (runningSinceUs_) runningSinceUs_ = ui::app().nowUs();
}

void Playback::setRunning(bool running) {
    if (running == runningSinceUs_.has_value()) return;
    const std::int64_t now = ui::app().nowUs();
    if (running)
        runningSinceUs_ = now;
    else
        elapsedUs_ += now - *std::exchange(runningSinceUs_, std::nullopt);
    {
        std::lock_guard lock(mutex_);
        running_ = running;
    }
    // The output pulls the sound only while it runs: a stopped or paused device costs nothing.
    if (hasSound_ && running) output_.attach(this);
    if (hasSound_ && !running) output_.detach(this);
}

std::int32_t Playback::positionMs() const {
    if (virtualTime_ && hasSound_) {  // a virtual clock hands the output exactly the frames it moves over
        std::lock_guard lock(mutex_);
        return std::int32_t(std::clamp<std::int64_t>(startMs_ + (framesPlayed_ * 1000 + rate_ / 2) / rate_, 0, length_));
    }
    return std::int32_t(positionUsAt(ui::app().nowUs()) / 1000);
}

std::int64_t Playback::positionUsAt(std::int64_t atUs) const {
    std::int64_t us = std::int64_t(startMs_) * 1000;
    if (hasSound_) {
        std::lock_guard lock(mutex_);
        us += heard_.heardUs(atUs);
    } else {
        us += elapsedUs_ + (runningSinceUs_ ? atUs - *runningSinceUs_ : 0);
    }
    return std::clamp<std::int64_t>(us, 0, std::int64_t(length_) * 1000);
}

bool Playback::finished() {
    if (!hasSound_) return positionMs() >= length_;
    bool ended = false;
    {
        std::lock_guard lock(mutex_);
        ended = ended_;
    }
    if (ended) output_.detach(this);  // the output has dropped it already; this lets the device close
    return ended;
}

std::optional<Picture> Playback::takePicture() {
    const std::int32_t ms = positionMs();
    if (virtualTime_)
        decodeUntil(
            [&] { return pictureSize_.width <= 0 || pictureSize_.height <= 0 || pictures_.hasPictureAfter(ms); });
    std::optional<Picture> picture;
    {
        std::lock_guard lock(mutex_);
        picture = pictures_.takeDue(ms);
    }
    wake_.notify_one();
    return picture;
}

std::optional<std::int32_t> Playback::nextPictureMs() const {
    std::lock_guard lock(mutex_);
    return pictures_.nextDueMs();
}

std::pair<std::int64_t, std::int64_t> Playback::pictureCounts() const {
    std::lock_guard lock(mutex_);
    return {pictures_.decoded(), pictures_.dropped()};
}

bool Playback::fill(std::int16_t* out, int frames) {
    if (virtualTime_) decodeUntil([&] { return !running_ || sound_.frames() >= frames; });
    int delivered = 0;
    {
        std::lock_guard lock(mutex_);
        // The first buffer waits until the decoder has a whole one: handing over the one packet
        // decoded so far would leave a hole in the sound just after its start.
        const bool startingDry = framesPlayed_ == 0 && !exhaustedLocked() &&
                                 sound_.frames() < std::min<std::int64_t>(frames, rate_ / 2);
        if (running_ && !startingDry) {
            delivered = sound_.read(out, frames);
            if (!virtualTime_) heard_.handed(framesPlayed_, delivered, ui::app().nowUs());
            framesPlayed_ += delivered;
            if (delivered < frames && exhaustedLocked()) {
                ended_ = true;
                running_ = false;
            }
        }
    }
    std::fill(out + std::ptrdiff_t(delivered) * channels_, out + std::ptrdiff_t(frames) * channels_, std::int16_t{0});
    std::lock_guard lock(mutex_);
    // The decoding thread tops the sound up in one go once a quarter second is left, rather than
    // waking for every buffer the output takes.
    if (sound_.frames() < rate_ / 4) wake_.notify_one();
    return running_;
}

}  // namespace vemra::media
