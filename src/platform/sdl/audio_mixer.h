#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/ui/backend.h"

namespace vemra::sdl {

// The attached sources of an audio output, summed into one stream. mix() calls fill() under the
// same lock that detach() takes, so a detached source is never filled again; a source whose fill()
// says it has finished is detached there, and `sourceFinished` is called (on the mixing thread).
// A source's fill() must not attach or detach.
class AudioMixer {
public:
    explicit AudioMixer(int channels, std::function<void()> sourceFinished = {})
        : channels_(channels), sourceFinished_(std::move(sourceFinished)) {}

    void attach(ui::AudioSource* source);
    void detach(ui::AudioSource* source);
    bool hasSources() const;
    // Writes `frames` frames: the saturated sum of every attached source, silence when none.
    void mix(std::int16_t* out, int frames);

private:
    const int channels_;
    const std::function<void()> sourceFinished_;
    mutable std::mutex mutex_;
    std::vector<ui::AudioSource*> sources_;
    std::vector<std::int16_t> scratch_;
};

}  // namespace vemra::sdl
