#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/sdl/audio_mixer.h"

namespace vemra::sdl {

// An audio output without a device. Media devices count their position in the frames their source
// has delivered, so their sound must still leave at playback pace when nothing can play it: a
// thread pulls every attached source at the wall-clock rate and discards the mix.
class NullAudioOutput final : public ui::AudioOutput {
public:
    NullAudioOutput(int sampleRate, int channels, std::function<void()> sourceFinished);
    ~NullAudioOutput() override;

    int sampleRate() const override { return sampleRate_; }
    int channels() const override { return channels_; }
    void attach(ui::AudioSource* source) override;
    void detach(ui::AudioSource* source) override { mixer_.detach(source); }

private:
    void run();
    void pullWhileSourcesAttached(std::unique_lock<std::mutex>& lock);

    const int sampleRate_;
    const int channels_;
    AudioMixer mixer_;
    std::mutex mutex_;  // guards stopping_ and pairs with wakeUp_
    std::condition_variable wakeUp_;
    bool stopping_ = false;
    std::thread thread_;  // last: starts once everything above exists
};

}  // namespace vemra::sdl
