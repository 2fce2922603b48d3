// The title on the demo tree, measured from outside: start-up, CPU of idle screens with the real
// window (under Xvfb) as a share of one core and as a ratio to the reference program measured in
// the same run, peak memory and where it goes, transition effects against their pauses, and the
// gap between a track's end and its restart. VEMRA_BENCH_SECONDS sets the idle stretches (30).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "program_run.h"
#include "reference_frames.h"
#include "roads.h"

using namespace vemra::bench;

namespace {

bool haveDisplay() { return std::getenv("DISPLAY") != nullptr; }

double ms(const nlohmann::json& state) { return double(state["t"]); }

// Idles on a screen for the set stretch with the window; reports its CPU against the reference.
void idleScreen(benchmark::State& state, const std::string& road, const char* active) {
    if (!haveDisplay()) return state.SkipWithError("needs a display: run under xvfb-run");
    const double reference = referencePercent();
    for (auto _ : state) {
        const ProgramRun run = runTitle(road + "state\nwait " + std::to_string(idleSeconds() * 1000) + "\nstate\nwait 100\nquit\n", "");
        if (run.samples.size() < 2) return state.SkipWithError("no state");
        if (run.samples[0].state["active"] != active) return state.SkipWithError("not on the expected screen");
        const double percent = corePercentBetween(run.samples[0], run.samples[1]);
        state.counters["core_percent"] = percent;
        state.counters["reference_percent"] = reference;
        state.counters["ratio_to_reference"] = percent / reference;
        const auto& devices = run.samples[1].state["devices"];
        for (const auto& [name, device] : devices.items())
            if (device["mode"] == 2) state.SetLabel(name + " device still playing " + std::string(device["file"]));
    }
}

void referenceFrames(benchmark::State& state) {
    if (!haveDisplay()) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) state.counters["core_percent"] = referencePercent();
}

void idleMainMenu(benchmark::State& state) { idleScreen(state, "wait 1000\n", "frm1"); }
void idleArticlePart(benchmark::State& state) { idleScreen(state, toArticlePart, "frm19"); }
void idlePlayerWithNarration(benchmark::State& state) { idleScreen(state, toPlayerWithNarration, "frm2"); }

// Peak resident memory on the deepest stack of screens, and with the window where the memory goes
// there (a headless run ends at once after its last command, too soon to look at it).
void deepestStackMemory(benchmark::State& state, bool window) {
    if (window && !haveDisplay()) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        const ProgramRun run = runTitle(toArticlePart + "state\nwait 100\nquit\n", window ? "" : "--headless");
        if (run.samples.empty() || run.samples[0].state["active"] != "frm19") return state.SkipWithError("not on frm19");
        const Sample& deepest = run.samples[0];
        state.counters["peak_rss_mb"] = double(deepest.peakRssKb) / 1024.0;
        if (!window) continue;
        state.counters["rss_mb"] = double(deepest.memory.total()) / 1024.0;
        state.SetLabel(deepest.memory.describe());
    }
}

void startToMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        const ProgramRun run = runTitle("state\nquit\n", "--headless");
        if (run.samples.empty() || run.samples[0].state["active"] != "frm1")
            return state.SkipWithError("the main menu did not come up");
        state.SetIterationTime(run.samples[0].wallSeconds);
    }
}

// frm23's track lasts about three seconds; the position after the restart shows the gap.
void trackRestartGap(benchmark::State& state) {
    if (!haveDisplay()) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        const ProgramRun run = runTitle("wait 500\nclick 380 130\nwait 1000\nclick 500 125\nwait 200\nstate\nwait 3600\nstate\nquit\n", "");
        if (run.samples.size() < 2) return state.SkipWithError("no state");
        const auto& first = run.samples[0].state["devices"]["shared"];
        const auto& second = run.samples[1].state["devices"]["shared"];
        const double played = double(first["length"]) - double(first["position"]) + double(second["position"]);
        state.counters["gap_ms"] = ms(run.samples[1].state) - ms(run.samples[0].state) - played;
    }
}

}  // namespace

BENCHMARK(startToMainMenu)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(referenceFrames)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(idleMainMenu)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(idleArticlePart)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(idlePlayerWithNarration)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(deepestStackMemory, headless, false)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(deepestStackMemory, window, true)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(trackRestartGap)->Iterations(3)->Unit(benchmark::kSecond);
