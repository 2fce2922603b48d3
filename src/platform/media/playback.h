#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "platform/media/audio_clock.h"
#include "platform/media/media_file.h"
#include "platform/media/picture_queue.h"
#include "platform/media/sound_queue.h"
#include "platform/ui/backend.h"

namespace vemra::media {

// One open file playing. A decoding thread keeps bounded queues filled; the audio output drains
// the sound through fill() while it runs, the UI thread takes the pictures that are due. The clock is
// the moment of the sound being heard (the frames handed to the output since the start point, less
// the output's latency, moving on between its buffers), or the UI clock when the file has no sound.
// On a virtual clock, fill() and takePicture() decode on their own thread whatever the decoding
// thread has not yet delivered, so that positions and pictures follow the clock exactly.
class Playback final : public ui::AudioSource {
public:
    // Opens the file (throws MediaError), starts decoding from its start, pictures scaled to
    // `pictureSize` (none when empty) as `fit` says, and, when it has sound, attaches to `output`. The clock
    // stands at 0.
    Playback(const MediaSource& source, MediaKind kind, gfx::Size pictureSize, ui::AudioOutput& output,
             bool virtualTime, PictureFit fit = PictureFit::fill);
    ~Playback() override;
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // The rest is for the UI thread, except fill().
    std::int32_t lengthMs() const { return length_; }
    bool hasPictures() const { return hasPictures_; }
    bool hasSound() const { return hasSound_; }
    void setPictureSize(gfx::Size size);
    // Drops what was decoded and goes to `ms`; the clock stands there.
    void moveTo(std::int32_t ms);
    void setRunning(bool running);
    // The clock, within 0 … length.
    std::int32_t positionMs() const;
    // The clock at a moment of the application clock (µs), not long past, within 0 … length.
    std::int64_t positionUsAt(std::int64_t atUs) const;
    // The sound has run out, or (without sound) the clock has reached the length.
    bool finished();
    // The latest picture due at the current position that has not been taken yet.
    std::optional<Picture> takePicture();
    // When the next picture is due, if it has been decoded.
    std::optional<std::int32_t> nextPictureMs() const;
    // Pictures decoded, and pictures that were never taken because a later one was due.
    std::pair<std::int64_t, std::int64_t> pictureCounts() const;

    bool fill(std::int16_t* out, int frames) override;

private:
    static constexpr int picturesAhead = 8;

    void decodeLoop();
    // Decodes one packet into the queues; the caller holds decoding_.
    void decodeStep();
    // On a virtual clock: decodes on the calling thread until enough() (asked under mutex_) holds.
    template <class Enough>
    void decodeUntil(Enough enough);
    bool exhaustedLocked() const { return exhausted_ && !pendingSeek_; }
    bool wantsMoreLocked() const;

    std::mutex decoding_;  // held while file_ decodes; taken before mutex_
    const std::unique_ptr<MediaFile> file_;
    ui::AudioOutput& output_;
    const bool virtualTime_;
    const int rate_;
    const int channels_;
    const bool hasSound_;
    const bool hasPictures_;
    const std::int32_t length_;

    mutable std::mutex mutex_;  // guards everything down to stopping_
    std::condition_variable wake_;
    SoundQueue sound_;
    PictureQueue pictures_;
    gfx::Size pictureSize_;
    std::uint64_t generation_ = 0;  // moves on with every moveTo: decoding for an older one is dropped
    std::optional<std::int32_t> pendingSeek_;
    bool exhausted_ = false;
    bool running_ = false;
    bool ended_ = false;
    std::int64_t framesPlayed_ = 0;
    AudioClock heard_;
    bool stopping_ = false;

    // UI thread only: the start point and the clock of a file without sound.
    std::int32_t startMs_ = 0;
    std::int64_t elapsedUs_ = 0;
    std::optional<std::int64_t> runningSinceUs_;

    std::thread thread_;  // last: starts once everything above exists
};

}  // namespace vemra::media
