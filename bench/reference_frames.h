#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/ui/window.h"
#include "program_run.h"

namespace vemra::bench {

// What a toolkit program with the real window used over a stretch: the share of one core, and its
// threads' times at the start and the end.
struct WindowStretch {
    double seconds = 0;
    double corePercent = 0;
    std::vector<ThreadTime> threadsBefore, threadsAfter;
};
// Runs a window of `client` size for `seconds`, once `setUp` has given it its timers and sources;
// what `setUp` returns lives until the stretch ends, before the window and the backend go.
using WindowSetUp = std::function<std::shared_ptr<void>(ui::Window&)>;
WindowStretch runWindow(int seconds, gfx::Size client, const WindowSetUp& setUp);

// The share of one core (percent) that a program with the real window takes over `seconds` when it
// does nothing but compose and show a whole 640 × 480 frame every 200 ms: the reference the title's
// idle figures are compared with, measured in the same run on the same machine.
double referenceFramesCorePercent(int seconds);

// The idle stretches of the title's runs: VEMRA_BENCH_SECONDS, 30 unless set.
int idleSeconds();
// The reference over an idle stretch, measured once per run of the benchmarks.
double referencePercent();

}  // namespace vemra::bench
