#include "platform/sdl/sdl_audio.h"

#include <atomic>
#include <cstring>
#include <iostream>
#include <mutex>
#include <stdexcept>

#include "platform/sdl/audio_mixer.h"
#include "platform/sdl/null_audio_output.h"
#include "platform/sdl/sdl_handles.h"

namespace vemra::sdl {

namespace {

constexpr int outputRate = 44100;
constexpr int outputChannels = 2;
// 46 ms a buffer: the output's thread wakes 21 times a second instead of 43, half of what an idle
// screen with music costs there; the clock counts the latency, so pictures keep time all the same.
constexpr Uint16 deviceBufferFrames = 2048;

// The default device, open only while a source is attached: an idle device thread would wake every
// buffer even when paused. Should the device fail to open again later, sound is discarded at
// playback pace from then on.
class SdlAudioOutput final : public ui::AudioOutput {
public:
    explicit SdlAudioOutput(std::function<void()> sourceFinished)
        : sourceFinished_(sourceFinished), mixer_(outputChannels, std::move(sourceFinished)) {
        // The dummy driver paces by whole milliseconds; the null output keeps media positions exact.
        const char* driver = SDL_GetCurrentAudioDriver();
        if (driver && std::strcmp(driver, "dummy") == 0) throw std::runtime_error("dummy audio driver");
        if (!openDevice()) throwSdlError("audio device");
        closeDevice();
    }
    ~SdlAudioOutput() override { closeDevice(); }

    int sampleRate() const override { return outputRate; }
    int channels() const override { return outputChannels; }
    std::int64_t latencyUs() const override { return latencyUs_; }

    void attach(ui::AudioSource* source) override {
        std::lock_guard lock(deviceMutex_);
        if (fallback_) return fallback_->attach(source);
        mixer_.attach(source);
        if (device_ != 0 || openDevice()) return;
        std::cerr << "vemra: the audio device did not open again (" << SDL_GetError()
                  << "); sound is discarded at playback pace\n";
        mixer_.detach(source);
        fallback_ = std::make_unique<NullAudioOutput>(outputRate, outputChannels, sourceFinished_);
        fallback_->attach(source);
    }
    void detach(ui::AudioSource* source) override {
        std::lock_guard lock(deviceMutex_);
        if (fallback_) return fallback_->detach(source);
        mixer_.detach(source);
        if (!mixer_.hasSources()) closeDevice();
    }

private:
    bool openDevice() {
        SDL_AudioSpec want{};
        want.freq = outputRate;
        want.format = AUDIO_S16SYS;
        want.channels = outputChannels;
        want.samples = deviceBufferFrames;
        want.callback = &SdlAudioOutput::deviceCallback;
        want.userdata = this;
        SDL_AudioSpec have{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) return false;
        // The disk driver writes each buffer out as it is mixed and then waits out its length; the
        // drivers of sound servers and cards keep about one more buffer queued ahead of the one heard.
        const char* driver = SDL_GetCurrentAudioDriver();
        const bool writesAtOnce = driver && std::strcmp(driver, "disk") == 0;
        latencyUs_ = writesAtOnce ? 0 : std::int64_t(have.samples) * 1'000'000 / have.freq;
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }
    void closeDevice() {
        if (device_ != 0) SDL_CloseAudioDevice(device_);
        device_ = 0;
    }

    static void SDLCALL deviceCallback(void* self, Uint8* stream, int bytes) {
        const int frames = bytes / int(sizeof(std::int16_t) * outputChannels);
        static_cast<SdlAudioOutput*>(self)->mixer_.mix(reinterpret_cast<std::int16_t*>(stream), frames);
    }

    SdlSubsystems audio_{SDL_INIT_AUDIO, "audio"};
    const std::function<void()> sourceFinished_;
    AudioMixer mixer_;
    std::mutex deviceMutex_;  // attach and detach may come from any thread
    SDL_AudioDeviceID device_ = 0;
    std::atomic<std::int64_t> latencyUs_{0};
    std::unique_ptr<NullAudioOutput> fallback_;
};

}  // namespace

std::unique_ptr<ui::AudioOutput> openAudioOutput(std::function<void()> sourceFinished) {
    try {
        return std::make_unique<SdlAudioOutput>(sourceFinished);
    } catch (const std::runtime_error& e) {
        std::cerr << "vemra: no audio device (" << e.what() << "); sound is discarded at playback pace\n";
        return std::make_unique<NullAudioOutput>(outputRate, outputChannels, std::move(sourceFinished));
    }
}

}  // namespace vemra::sdl
