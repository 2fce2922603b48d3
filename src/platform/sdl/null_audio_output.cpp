#include "platform/sdl/null_audio_output.h"

#include <chrono>
#include <vector>

namespace vemra::sdl {

namespace {
// Frames pulled at most at once, about as much as a device buffer holds.
constexpr int chunkFrames = 2048;
}  // namespace

NullAudioOutput::NullAudioOutput(int sampleRate, int channels, std::function<void()> sourceFinished)
    : sampleRate_(sampleRate), channels_(channels), mixer_(channels, std::move(sourceFinished)), thread_([this] { run(); }) {}

NullAudioOutput::~NullAudioOutput() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wakeUp_.notify_one();
    thread_.join();
}

void NullAudioOutput::attach(ui::AudioSource* source) {
    {
        std::lock_guard lock(mutex_);
        mixer_.attach(source);
    }
    wakeUp_.notify_one();
}

void NullAudioOutput::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (mixer_.hasSources())
            pullWhileSourcesAttached(lock);
        else
            wakeUp_.wait(lock);  // idle without sources: attach() wakes us
    }
}

void NullAudioOutput::pullWhileSourcesAttached(std::unique_lock<std::mutex>& lock) {
    using Clock = std::chrono::steady_clock;
    // Frames are counted from the start of this stretch, so the pace never drifts.
    const Clock::time_point start = Clock::now();
    std::int64_t pulled = 0;
    std::vector<std::int16_t> discard(std::size_t(chunkFrames) * std::size_t(channels_));
    const auto timeOfFrame = [&](std::int64_t frame) {
        return start + std::chrono::microseconds(frame * 1'000'000 / sampleRate_);
    };
    while (!stopping_ && mixer_.hasSources()) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
        const std::int64_t due = elapsed.count() * sampleRate_ / 1'000'000;
        while (pulled < due) {
            const int frames = int(std::min<std::int64_t>(chunkFrames, due - pulled));
            mixer_.mix(discard.data(), frames);
            pulled += frames;
        }
        wakeUp_.wait_until(lock, timeOfFrame(pulled + chunkFrames));
    }
}

}  // namespace vemra::sdl
