#pragma once

#include <string>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

inline constexpr int animationSetCount = 26;
inline constexpr int animationFramesPerSet = 10;
inline constexpr gfx::Size animationFrameSize{120, 80};

// The two looks of the corner animation: a turning star on a dark plate (the main branch) and
// pulsing rings on a light plate (the secondary branch).
enum class FrameStyle { star, rings };

// The resource name of a frame: "a", the set, "0", the frame (set 25 frame 10: "a25010").
std::string animationFrameName(int set, int frame);

// Frame `frame` (1 … 10) of animation set `set` (1 … 26): the emblem in the set's colours, the
// set's number, and a row of ten dots with this frame's dot lit. The frames of a set loop without a
// jump: over 10 frames, or 5 for set 1, which the main menu plays with 5 frames.
gfx::Bitmap animationFrame(int set, int frame, FrameStyle style);

}  // namespace vemra::kit
