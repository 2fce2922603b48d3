#include "platform/sdl/sdl_audio.h"

#include <cstring>
#include <iostream>
#include <stdexcept>

#include "platform/sdl/audio_mixer.h"
#include "platform/sdl/null_audio_output.h"
#include "platform/sdl/sdl_handles.h"

namespace vemra::sdl {

namespace {

constexpr int outputRate = 44100;
constexpr int outputChannels = 2;
constexpr Uint16 deviceBufferFrames = 1024;

class SdlAudioOutput final : public ui::AudioOutput {
public:
    SdlAudioOutput() {
        // The dummy driver paces by whole milliseconds; the null output keeps media positions exact.
        const char* driver = SDL_GetCurrentAudioDriver();
        if (driver && std::strcmp(driver, "dummy") == 0) throw std::runtime_error("dummy audio driver");
        SDL_AudioSpec want{};
        want.freq = outputRate;
        want.format = AUDIO_S16SYS;
        want.channels = outputChannels;
        want.samples = deviceBufferFrames;
        want.callback = &SdlAudioOutput::deviceCallback;
        want.userdata = this;
        SDL_AudioSpec have{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) throwSdlError("audio device");
        SDL_PauseAudioDevice(device_, 0);
    }
    ~SdlAudioOutput() override { SDL_CloseAudioDevice(device_); }

    int sampleRate() const override { return outputRate; }
    int channels() const override { return outputChannels; }
    void attach(ui::AudioSource* source) override { mixer_.attach(source); }
    void detach(ui::AudioSource* source) override { mixer_.detach(source); }

private:
    static void SDLCALL deviceCallback(void* self, Uint8* stream, int bytes) {
        const int frames = bytes / int(sizeof(std::int16_t) * outputChannels);
        static_cast<SdlAudioOutput*>(self)->mixer_.mix(reinterpret_cast<std::int16_t*>(stream), frames);
    }

    SdlSubsystems audio_{SDL_INIT_AUDIO, "audio"};
    AudioMixer mixer_{outputChannels};
    SDL_AudioDeviceID device_ = 0;
};

}  // namespace

std::unique_ptr<ui::AudioOutput> openAudioOutput() {
    try {
        return std::make_unique<SdlAudioOutput>();
    } catch (const std::runtime_error& e) {
        std::cerr << "vemra: no audio device (" << e.what() << "); sound is discarded at playback pace\n";
        return std::make_unique<NullAudioOutput>(outputRate, outputChannels);
    }
}

}  // namespace vemra::sdl
