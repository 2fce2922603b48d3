// Where the idle main menu's CPU goes, with the window and the music leaving through SDL's audio
// path (disk driver): the program's share of one core over the idle stretch, the reference of the
// same run, and each thread's share and wake-ups a second: the UI thread (corner animation frames,
// the animated cursor, the loop's own wake-ups), the music's decoding thread and SDL's audio output
// thread. Beside it, the floor of those sources: a toolkit program without the title that only
// shows the corner animation's rectangle at its rate, animates the title's cursor and plays the
// main menu's track through the same media code and audio path.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "platform/media/playback.h"
#include "platform/ui/application.h"
#include "platform/win/binary_file.h"
#include "platform/win/cursor_file.h"
#include "program_run.h"
#include "reference_frames.h"

using namespace vemra;
using namespace vemra::bench;

namespace {

std::string sourceOf(const ThreadTime& thread, int uiThread) {
    if (thread.tid == uiThread) return "ui";
    if (thread.name.starts_with("SDLAudio")) return "audio_out";
    if (thread.name == "vemra-decode") return "decode";
    return "other";
}

// Each source's share of a core and wake-ups a second between two readings of the threads, and
// the sum over the threads. The UI thread's id is the process's, the lowest.
void countBySource(benchmark::State& state, const std::vector<ThreadTime>& start, const std::vector<ThreadTime>& end,
                   double seconds) {
    int uiThread = start.empty() ? 0 : start.front().tid;
    for (const ThreadTime& t : start) uiThread = std::min(uiThread, t.tid);
    std::map<int, ThreadTime> before;
    for (const ThreadTime& t : start) before[t.tid] = t;
    std::map<std::string, std::pair<double, double>> bySource;  // percent, wake-ups a second
    double threadsPercent = 0;
    for (const ThreadTime& t : end) {
        const ThreadTime first = before.count(t.tid) ? before[t.tid] : ThreadTime{};
        auto& [share, wakeUps] = bySource[sourceOf(t, uiThread)];
        const double percentOfThread = 100.0 * (t.cpuSeconds - first.cpuSeconds) / seconds;
        share += percentOfThread;
        threadsPercent += percentOfThread;
        wakeUps += double(t.wakeUps - first.wakeUps) / seconds;
    }
    state.counters["threads_percent"] = threadsPercent;
    for (const auto& [source, figures] : bySource) {
        state.counters[source + "_percent"] = figures.first;
        state.counters[source + "_wakeups_per_s"] = figures.second;
    }
}

// At most 20 s, within one playing of the 27 s track: the output's thread ends with the track,
// and a thread that has ended can no longer be read.
int stretchSeconds() { return std::min(idleSeconds(), 20); }

void idleMainMenuBySource(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    const double reference = referencePercent();
    for (auto _ : state) {
        const int seconds = stretchSeconds();
        const ProgramRun run = runTitle("wait 1000\nstate\nwait " + std::to_string(seconds * 1000) +
                                            "\nstate\nwait 100\nquit\n", "", diskAudioEnv);
        if (run.samples.size() < 2 || run.samples[0].state["active"] != "frm1") return state.SkipWithError("not on frm1");
        const Sample& a = run.samples[0];
        const Sample& b = run.samples[1];
        const double percent = corePercentBetween(a, b);
        state.counters["core_percent"] = percent;
        state.counters["reference_percent"] = reference;
        state.counters["ratio_to_reference"] = percent / reference;
        countBySource(state, a.threads, b.threads, (double(b.state["t"]) - double(a.state["t"])) / 1000.0);
    }
}

void idleFloor(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    const double reference = referencePercent();
    for (auto _ : state) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        // The main menu's size; the pointer, in the middle of the screen, lies over the window.
        const WindowStretch stretch = runWindow(stretchSeconds(), {641, 475}, [&](ui::Window& window) {
            constexpr int hotspotCursor = 5;
            const auto cursor = win::readBinaryFile(demoTree() + "/qem00.ani");
            ui::app().setCursor(hotspotCursor, std::make_shared<ui::CursorShape>(win::decodeCursorFile(cursor)));
            window.cursor = hotspotCursor;
            // The corner animation: a 120 × 80 frame five times a second.
            window.addTimer("animation", 200).onTimer = [&window](ui::Timer&) { window.invalidateSurface({0, 0, 120, 80}); };
            auto music = std::make_shared<media::Playback>(media::MediaSource(demoTree() + "/data1/01.dat"),
                                                      media::MediaKind::sound, gfx::Size{}, ui::app().backend().audio(),
                                                      false);
            music->setRunning(true);
            return music;
        });
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        state.counters["core_percent"] = stretch.corePercent;
        state.counters["reference_percent"] = reference;
        countBySource(state, stretch.threadsBefore, stretch.threadsAfter, stretch.seconds);
    }
}

}  // namespace

BENCHMARK(idleMainMenuBySource)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(idleFloor)->Iterations(1)->Unit(benchmark::kSecond);
