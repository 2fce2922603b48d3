// The title on the demo tree, timed from outside: start-up to the main menu, CPU of an idle main
// menu with the real window (under Xvfb), and the gap between a track's end and its restart.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

namespace {

struct Run {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    std::vector<nlohmann::json> states;
};

// Runs the program on the demo tree with a script and collects its state lines and resources.
Run runProgram(const std::string& script, const std::string& args) {
    const std::string file = "/tmp/vemra-bench.script";
    std::ofstream(file) << "wait 20\nclick 638 470\n" << script;
    const std::string command = std::string("VEMRA_WINDOWS_DIR=/tmp/vemra-bench-windows SDL_AUDIODRIVER=dummy '") +
                                VEMRA_BINARY + "' --content '" VEMRA_DEMO_TREE "' " + args + " --script " + file +
                                " 2>/dev/null";
    rusage before{}, after{};
    getrusage(RUSAGE_CHILDREN, &before);
    const auto start = std::chrono::steady_clock::now();
    Run run;
    FILE* out = popen(command.c_str(), "r");
    char line[1 << 16];
    while (out && fgets(line, sizeof line, out))
        if (line[0] == '{') run.states.push_back(nlohmann::json::parse(line));
    if (out) pclose(out);
    run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    getrusage(RUSAGE_CHILDREN, &after);
    auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    run.cpuSeconds = seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_stime);
    return run;
}

bool haveDisplay() { return std::getenv("DISPLAY") != nullptr; }

void startToMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        const Run run = runProgram("state\nquit\n", "--headless");
        state.SetIterationTime(run.wallSeconds);
        if (run.states.empty() || run.states[0]["active"] != "frm1") state.SkipWithError("the main menu did not come up");
    }
}

void idleMainMenuCpu(benchmark::State& state) {
    if (!haveDisplay()) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        const Run run = runProgram("wait 1000\nstate\nwait 10000\nquit\n", "");
        state.SetIterationTime(run.wallSeconds);
        state.counters["core_percent"] = 100.0 * run.cpuSeconds / run.wallSeconds;
    }
}

// frm23's track lasts about three seconds; the position after the restart shows the gap.
void trackRestartGap(benchmark::State& state) {
    if (!haveDisplay()) return state.SkipWithError("needs a display: run under xvfb-run");
    for (auto _ : state) {
        const Run run = runProgram("wait 500\nclick 380 130\nwait 1000\nclick 500 125\nwait 200\nstate\nwait 3600\nstate\nquit\n", "");
        state.SetIterationTime(run.wallSeconds);
        if (run.states.size() < 2) return state.SkipWithError("no state");
        const auto& first = run.states[0]["devices"]["shared"];
        const auto& second = run.states[1]["devices"]["shared"];
        const double elapsed = double(run.states[1]["t"]) - double(run.states[0]["t"]);
        const double played = double(first["length"]) - double(first["position"]) + double(second["position"]);
        state.counters["gap_ms"] = elapsed - played;
    }
}

}  // namespace

BENCHMARK(startToMainMenu)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(idleMainMenuCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(trackRestartGap)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);
