#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace vemra::bench {

// Resident memory of the program by where it goes, in kB (from /proc/PID/smaps).
struct MemorySplit {
    long renderer = 0;   // the GL driver and its compiler (Mesa, LLVM), their buffers and shared images
    long media = 0;      // FFmpeg and the codec libraries
    long libraries = 0;  // every other shared library (SDL, X, FreeType, fontconfig, C++ runtime …)
    long program = 0;    // the program's own code
    long heap = 0;       // the heap and other anonymous memory: bitmaps, fonts, decoded media
    long total() const { return renderer + media + libraries + program + heap; }
    std::string describe() const;
};

// The process's threads: id, name and CPU seconds so far (to the nanosecond, where the process's
// own figure counts clock ticks of 10 ms); the UI thread's id is the process's.
struct ThreadTime {
    int tid = 0;
    std::string name;
    double cpuSeconds = 0;
    long wakeUps = 0;  // voluntary context switches: how often it went to sleep and woke again
};
std::vector<ThreadTime> readThreadTimes(int pid);

// What the program looked like when it printed a state line.
struct Sample {
    nlohmann::json state;
    double wallSeconds = 0;  // since the program started
    double cpuSeconds = 0;   // its user and system time so far
    long peakRssKb = 0;
    MemorySplit memory;
    std::vector<ThreadTime> threads;
};

struct ProgramRun {
    std::vector<Sample> samples;
    std::vector<std::string> traceLines;  // standard error, with --trace
    int exitCode = -1;
};

// Runs the title on the demo tree with `script`, after skipping the intro unless told otherwise,
// sampling it at every `state` line. `env` ("NAME=value …") comes after the defaults and overrides
// them (no sound device: SDL's dummy driver). Without --headless in `args` it needs a display (run
// under xvfb-run).
ProgramRun runTitle(const std::string& script, const std::string& args, const std::string& env = {},
                    bool skipIntro = true);

// The environment of a run whose sound leaves through SDL's disk driver, which writes every buffer
// (to /dev/null) and waits out its length, as a sound card would take it; the timed one also writes
// the benchmarks' timing lines.
inline const std::string diskAudioEnv = "SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null";
inline const std::string timedSoundEnv = diskAudioEnv + " VEMRA_TIMING=1";



// The demo tree the benchmarks play, made by scripts/make-demo.
std::string demoTree();

// The share of one core (percent) the program used between two samples, by the title's clock.
double corePercentBetween(const Sample& a, const Sample& b);

// The milliseconds a trace line was written at, and the rest of it: "[1234] effect 3" → 1234, "effect 3".
std::pair<long, std::string> splitTraceLine(const std::string& line);

}  // namespace vemra::bench
