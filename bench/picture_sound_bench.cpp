// Picture and sound together, with the window and SDL's audio path (disk driver): for every video
// frame that reached the display (the window update returned, the X server having processed it),
// how far its presentation time lies from the sound heard at that moment. Positive offsets are a
// picture behind its sound. The intro plays whole; a clip of frm31 plays with the section's music
// mixed in, is paused for a second and played again. `loaded` runs a second process on one core.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core_load.h"
#include "program_run.h"
#include "timing_log.h"

using namespace vemra::bench;

namespace {

// From the main menu: frm5, then frm31, whose first clip plays, pauses for a second and goes on.
const std::string clipWithPause = "wait 1000\nclick 530 195\nwait 400\nclick 420 440\nwait 1000\nclick 520 160\n"
                                  "wait 3000\nclick 145 345\nwait 1000\nclick 182 345\nwait 6000\nstate\nquit\n";

struct Frame {
    std::int64_t shownUs;
    double offsetMs;  // the sound's clock minus the picture's time
};

void pictureWithSound(benchmark::State& state, bool clip) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    const std::string device = clip ? "clips" : "intro";
    for (auto _ : state) {
        const CoreLoad load(state.range(0) != 0);
        const ProgramRun run = clip ? runTitle(clipWithPause, "--trace", timedSoundEnv)
                                    : runTitle("wait 8500\nstate\nquit\n", "--trace", timedSoundEnv, false);
        std::vector<Frame> frames;
        std::vector<std::string> counts;
        for (const TimingLine& line : timingLines(run.traceLines)) {
            const auto w = words(line.detail);
            if (line.what == "frame" && w.size() == 5 && w[0] == device)
                frames.push_back({line.us, std::stod(w[4]) - std::stod(w[2])});
            else if (line.what == "pictures" && w.size() == 7 && w[0] == device)
                counts = w;
        }
        if (frames.empty() || counts.empty()) return state.SkipWithError(("no frame of " + device + " was shown").c_str());
        std::vector<double> distances;
        double behind = -1e9, ahead = -1e9, sum = 0;
        for (const Frame& f : frames) {
            distances.push_back(std::abs(f.offsetMs));
            behind = std::max(behind, f.offsetMs);
            ahead = std::max(ahead, -f.offsetMs);
            sum += f.offsetMs;
        }
        const Spread spread = spreadOf(distances);
        state.counters["mean_offset_ms"] = sum / double(frames.size());
        state.counters["p95_distance_ms"] = spread.p95;
        state.counters["worst_behind_ms"] = behind;
        state.counters["worst_ahead_ms"] = ahead;
        state.counters["decoded"] = std::stod(counts[2]);
        state.counters["shown"] = std::stod(counts[4]);
        state.counters["dropped"] = std::stod(counts[6]);
        if (!clip) continue;
        // The second "play" of the clip is the play button after the pause.
        std::int64_t resumedUs = -1;
        int plays = 0;
        for (const std::string& line : run.traceLines) {
            const auto [ms, what] = splitTraceLine(line);
            if (what.starts_with("media clips play") && ++plays == 2) resumedUs = ms * 1000;
        }
        double afterResume = -1e9;
        for (const Frame& f : frames)
            if (resumedUs >= 0 && f.shownUs >= resumedUs && f.shownUs < resumedUs + 500'000)
                afterResume = std::max(afterResume, f.offsetMs);
        state.counters["behind_after_resume_ms"] = afterResume;
    }
}

}  // namespace

BENCHMARK_CAPTURE(pictureWithSound, intro, false)->ArgName("loaded")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(pictureWithSound, clip, true)->ArgName("loaded")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
