// Where the idle main menu's CPU goes, with the window and the music leaving through SDL's audio
// path (disk driver): the program's share of one core over the idle stretch, the reference of the
// same run, and each thread's share and wake-ups a second: the UI thread (corner animation frames,
// the loop's own wake-ups), the music's decoding thread and SDL's audio output thread.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "program_run.h"
#include "reference_frames.h"

using namespace vemra::bench;

namespace {

std::string sourceOf(const ThreadTime& thread, int uiThread) {
    if (thread.tid == uiThread) return "ui";
    if (thread.name.starts_with("SDLAudio")) return "audio_out";
    if (thread.name == "vemra-decode") return "decode";
    return "other";
}

void idleMainMenuBySource(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    const double reference = referencePercent();
    for (auto _ : state) {
        // At most 20 s, within one playing of the 27 s track: the output's thread ends with the
        // track, and a thread that has ended can no longer be read.
        const int seconds = std::min(idleSeconds(), 20);
        const ProgramRun run = runTitle("wait 1000\nstate\nwait " + std::to_string(seconds * 1000) +
                                            "\nstate\nwait 100\nquit\n", "", "SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null");
        if (run.samples.size() < 2 || run.samples[0].state["active"] != "frm1") return state.SkipWithError("not on frm1");
        const Sample& a = run.samples[0];
        const Sample& b = run.samples[1];
        const double stretch = (double(b.state["t"]) - double(a.state["t"])) / 1000.0;
        const double percent = corePercentBetween(a, b);
        state.counters["core_percent"] = percent;
        state.counters["reference_percent"] = reference;
        state.counters["ratio_to_reference"] = percent / reference;
        // Threads by id: the UI thread's id is the process's, the lowest.
        int uiThread = a.threads.empty() ? 0 : a.threads.front().tid;
        for (const ThreadTime& t : a.threads) uiThread = std::min(uiThread, t.tid);
        std::map<int, ThreadTime> before;
        for (const ThreadTime& t : a.threads) before[t.tid] = t;
        std::map<std::string, std::pair<double, double>> bySource;  // percent, wake-ups a second
        double threadsPercent = 0;
        for (const ThreadTime& t : b.threads) {
            const ThreadTime start = before.count(t.tid) ? before[t.tid] : ThreadTime{};
            auto& [share, wakeUps] = bySource[sourceOf(t, uiThread)];
            const double percentOfThread = 100.0 * (t.cpuSeconds - start.cpuSeconds) / stretch;
            share += percentOfThread;
            threadsPercent += percentOfThread;
            wakeUps += double(t.wakeUps - start.wakeUps) / stretch;
        }
        state.counters["threads_percent"] = threadsPercent;
        for (const auto& [source, figures] : bySource) {
            state.counters[source + "_percent"] = figures.first;
            state.counters[source + "_wakeups_per_s"] = figures.second;
        }
    }
}

}  // namespace

BENCHMARK(idleMainMenuBySource)->Iterations(1)->Unit(benchmark::kSecond);
