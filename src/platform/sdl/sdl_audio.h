#pragma once

#include <functional>
#include <memory>

#include "platform/ui/backend.h"

namespace vemra::sdl {

// 44100 Hz stereo 16-bit output on the default audio device, or a NullAudioOutput when no device
// can be opened (no sound hardware, no sound server, or SDL's dummy driver). `sourceFinished` is
// called on the output's thread whenever a source runs out.
std::unique_ptr<ui::AudioOutput> openAudioOutput(std::function<void()> sourceFinished);

}  // namespace vemra::sdl
