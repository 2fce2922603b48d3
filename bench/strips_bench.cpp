// Even strips: the eight rotating transition effects on the way to an article and back, with the
// window. Every strip is timed when its frame had reached the display; the interval to the next one
// is set against the pause between them, and each effect's whole length against the sum of its
// pauses. `loaded` runs a second process on one core.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "core_load.h"
#include "program_run.h"
#include "roads.h"
#include "timing_log.h"

using namespace vemra::bench;

namespace {

struct EffectRun {
    std::vector<double> deviationsMs;  // |interval − pause| for each strip after the first
    double totalPercent = 0;          // (length − sum of pauses) / sum of pauses
};

// The effects of a run by number, in the order they ran (an effect that ran twice counts twice).
std::multimap<int, EffectRun> effectsOf(const std::vector<TimingLine>& lines) {
    std::multimap<int, EffectRun> effects;
    int number = 0;
    std::int64_t startUs = 0, lastShownUs = 0, lastPauseNs = 0, pausesNs = 0;
    EffectRun current;
    for (const TimingLine& line : lines) {
        if (line.what == "effect" && line.detail != "end") {
            number = std::atoi(line.detail.c_str());
            startUs = line.us;
            lastShownUs = pausesNs = 0;
            current = {};
        } else if (line.what == "pause" && number > 0) {
            if (lastShownUs > 0)
                current.deviationsMs.push_back(std::abs(double(line.us - lastShownUs) - double(lastPauseNs) / 1000.0) / 1000.0);
            lastShownUs = line.us;
            lastPauseNs = std::atoll(line.detail.c_str());
            pausesNs += lastPauseNs;
        } else if (line.what == "effect" && line.detail == "end" && number > 0) {
            const double pausesUs = double(pausesNs) / 1000.0;
            current.totalPercent = 100.0 * (double(line.us - startUs) - pausesUs) / pausesUs;
            effects.emplace(number, current);
            number = 0;
        }
    }
    return effects;
}

void evenStrips(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        const CoreLoad load(state.range(0) != 0);
        const ProgramRun run = runTitle(toArticlePart + backToSection + "state\nquit\n", "", timedSoundEnv);
        const auto effects = effectsOf(timingLines(run.traceLines));
        if (effects.empty()) return state.SkipWithError("no transition effect ran");
        double worstP95 = 0, worst = 0, worstTotal = 0;
        std::string table;
        for (int number = 1; number <= 8; ++number) {
            std::vector<double> deviations;
            double total = 0;
            const auto [from, to] = effects.equal_range(number);
            for (auto it = from; it != to; ++it) {
                deviations.insert(deviations.end(), it->second.deviationsMs.begin(), it->second.deviationsMs.end());
                if (std::abs(it->second.totalPercent) > std::abs(total)) total = it->second.totalPercent;
            }
            const Spread spread = spreadOf(deviations);
            worstP95 = std::max(worstP95, spread.p95);
            worst = std::max(worst, spread.largest);
            if (std::abs(total) > std::abs(worstTotal)) worstTotal = total;
            char cell[80];
            std::snprintf(cell, sizeof cell, " %d: %.1f/%.1f ms %+.1f%%", number, spread.p95, spread.largest, total);
            table += cell;
        }
        state.counters["effects"] = double(effects.size());
        state.counters["p95_deviation_ms"] = worstP95;
        state.counters["worst_deviation_ms"] = worst;
        state.counters["worst_total_percent"] = worstTotal;
        state.SetLabel("effect: p95/worst deviation, total against pauses:" + table);
    }
}

}  // namespace

BENCHMARK(evenStrips)->ArgName("loaded")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
