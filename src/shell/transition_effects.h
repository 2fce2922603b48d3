#pragma once

#include <cstdint>
#include <functional>

#include "platform/gfx/geometry.h"

namespace vemra::shell {

// What an effect does to the screen: copy a rectangle of the next picture onto a rectangle of
// the cover, or pause for a number of empty loop iterations.
class EffectPainter {
public:
    virtual ~EffectPainter() = default;
    virtual void copy(gfx::Rect destination, gfx::Rect source) = 0;
    virtual void pause(long iterations) = 0;
};

inline constexpr int rotatingEffectCount = 8;

// Runs rotating effect 1..8 on a cover of the given size: bands opening two pixels a step.
void runRotatingEffect(int effect, gfx::Size cover, EffectPainter& painter);

// Runs the closing effect: the source's top-left cell copied into each of the 10 × 10 cells of the
// cover once, in random order. `random(n)` returns a uniform integer in 0..n.
void runExitEffect(gfx::Size cover, EffectPainter& painter, const std::function<int(int n)>& random);

}  // namespace vemra::shell
