// The reference program, and the CPU use of an idle toolkit program with the real window: one
// 10 ms and one 100 ms timer running and nothing to draw. Both need a display (xvfb-run).
#include "reference_frames.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>

#include "platform/sdl/sdl_backend.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"

using namespace vemra;

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double corePercentOfWindow(int seconds, const std::function<void(ui::Window&)>& setUp) {
    return bench::runWindow(seconds, {640, 480}, [&](ui::Window& window) {
               setUp(window);
               return nullptr;
           }).corePercent;
}

void idleWithTwoTimers(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        int ticks = 0;
        state.counters["core_percent"] = corePercentOfWindow(int(state.range(0)), [&](ui::Window& window) {
            window.addTimer("fast", 10).onTimer = [&](ui::Timer&) { ++ticks; };
            window.addTimer("slow", 100).onTimer = [&](ui::Timer&) { ++ticks; };
        });
        state.counters["timer_ticks"] = ticks;
    }
}

}  // namespace

bench::WindowStretch bench::runWindow(int seconds, gfx::Size client, const WindowSetUp& setUp) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    auto backend = sdl::createSdlBackend({});
    ui::Application app(*backend);
    auto& window = app.create<ui::Window>("idle", "TIdle");
    window.setClientSize(client.width, client.height);
    window.show();
    const std::shared_ptr<void> sources = setUp(window);
    app.processMessages();
    WindowStretch stretch;
    stretch.threadsBefore = readThreadTimes(getpid());
    const double cpuStart = cpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    window.addTimer("stop", seconds * 1000).onTimer = [&](ui::Timer&) {
        stretch.threadsAfter = readThreadTimes(getpid());
        app.terminate();
    };
    app.run();
    stretch.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    stretch.corePercent = 100.0 * (cpuSeconds() - cpuStart) / stretch.seconds;
    return stretch;
}

double bench::referenceFramesCorePercent(int seconds) {
    return corePercentOfWindow(seconds, [](ui::Window& window) {
        window.addTimer("frame", 200).onTimer = [&window](ui::Timer&) {
            window.invalidateSurface({0, 0, window.clientWidth(), window.clientHeight()});
        };
    });
}

int bench::idleSeconds() {
    const char* value = std::getenv("VEMRA_BENCH_SECONDS");
    return value ? std::max(1, std::atoi(value)) : 30;
}

double bench::referencePercent() {
    static const double percent = referenceFramesCorePercent(idleSeconds());
    return percent;
}

BENCHMARK(idleWithTwoTimers)->Arg(5)->Iterations(1)->Unit(benchmark::kSecond);
