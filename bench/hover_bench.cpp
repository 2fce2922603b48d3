// A hover that answers at once: with the window under Xvfb, the X pointer is moved onto a hotspot
// and away again a few hundred times; each move onto it is timed from the moment the backend
// received the motion to the moment the frame with the lit picture had reached the display.
// On the main menu and on a section menu; `loaded` runs a second process on one core.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core_load.h"
#include "pointer_mover.h"
#include "program_run.h"
#include "timing_log.h"

using namespace vemra::bench;

namespace {

constexpr int moves = 200;
constexpr PointerMover::Point away{150, 300};  // no hotspot there on either screen

bool covers(const std::string& rect, PointerMover::Point p) {
    int left = 0, top = 0, width = 0, height = 0;
    if (std::sscanf(rect.c_str(), "%d,%d,%d,%d", &left, &top, &width, &height) != 4) return false;
    return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
}

// Milliseconds from each move onto `hotspot` to the first frame shown over it.
std::vector<double> hoverLatencies(const std::vector<TimingLine>& lines, PointerMover::Point hotspot, int scale) {
    std::vector<double> latencies;
    std::int64_t movedUs = -1;  // the move onto the hotspot waiting for its frame, if any
    for (const TimingLine& line : lines) {
        const auto w = words(line.detail);
        if (line.what == "move" && w.size() == 2) {
            const bool onto = std::stoi(w[0]) / scale == hotspot.x && std::stoi(w[1]) / scale == hotspot.y;
            movedUs = onto ? line.us : -1;
        } else if (line.what == "present" && movedUs >= 0) {
            for (const std::string& rect : w)
                if (covers(rect, hotspot)) {
                    latencies.push_back(double(line.us - movedUs) / 1000.0);
                    movedUs = -1;
                    break;
                }
        }
    }
    return latencies;
}

void hoverToLitPicture(benchmark::State& state, std::string road, PointerMover::Point hotspot, int settleMs) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        const CoreLoad load(state.range(0) != 0);
        ProgramRun run;
        int scale = 1;
        {
            PointerMover mover(hotspot, away, moves, settleMs);
            run = runTitle(road + "wait " + std::to_string(settleMs + moves * 100 + 3000) + "\nstate\nquit\n", "",
                           timedSoundEnv);
            scale = mover.scale();
        }
        const Spread spread = spreadOf(hoverLatencies(timingLines(run.traceLines), hotspot, scale));
        if (spread.count == 0) return state.SkipWithError("no move onto the hotspot lit it");
        state.counters["moves_lit"] = double(spread.count);
        state.counters["median_ms"] = spread.median;
        state.counters["p95_ms"] = spread.p95;
        state.counters["worst_ms"] = spread.largest;
    }
}

}  // namespace

// frm1's first section hotspot; frm9 (opened by it) and its hotspot m2.
BENCHMARK_CAPTURE(hoverToLitPicture, mainMenu, "wait 1000\n", PointerMover::Point{380, 130}, 1500)
    ->ArgName("loaded")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(hoverToLitPicture, sectionMenu, "wait 1000\nclick 380 130\nwait 1500\n", PointerMover::Point{500, 125}, 3000)
    ->ArgName("loaded")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
