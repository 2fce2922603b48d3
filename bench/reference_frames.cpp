// CPU use of an idle program with the real window: one 10 ms and one 100 ms timer running.
// Needs a display (run it under xvfb-run); reports the share of one core the process used.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

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

void idleWithTwoTimers(benchmark::State& state) {
    auto backend = sdl::createSdlBackend({});
    ui::Application app(*backend);
    auto& window = app.create<ui::Window>("idle", "TIdle");
    window.setClientSize(640, 480);
    window.show();
    int ticks = 0;
    window.addTimer("fast", 10).onTimer = [&](ui::Timer&) { ++ticks; };
    window.addTimer("slow", 100).onTimer = [&](ui::Timer&) { ++ticks; };
    const auto seconds = std::chrono::seconds(state.range(0));

    for (auto _ : state) {
        app.processMessages();
        const double cpuStart = cpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        auto& stop = window.addTimer("stop", int(std::chrono::milliseconds(seconds).count()));
        stop.onTimer = [&](ui::Timer&) { app.terminate(); };
        app.run();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.counters["core_percent"] = 100.0 * (cpuSeconds() - cpuStart) / wall;
        state.counters["timer_ticks"] = ticks;
    }
}

}  // namespace

BENCHMARK(idleWithTwoTimers)->Arg(5)->Iterations(1)->Unit(benchmark::kSecond);
