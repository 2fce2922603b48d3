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

// What the program looked like when it printed a state line.
struct Sample {
    nlohmann::json state;
    double wallSeconds = 0;  // since the program started
    double cpuSeconds = 0;   // its user and system time so far
    long peakRssKb = 0;
    MemorySplit memory;
};

struct ProgramRun {
    std::vector<Sample> samples;
    std::vector<std::string> traceLines;  // standard error, with --trace
    int exitCode = -1;
};

// Runs the title on the demo tree with `script` after skipping the intro, sampling it at every
// `state` line. Without --headless in `args` it needs a display (run under xvfb-run).
ProgramRun runTitle(const std::string& script, const std::string& args);

// The milliseconds a trace line was written at, and the rest of it: "[1234] effect 3" → 1234, "effect 3".
std::pair<long, std::string> splitTraceLine(const std::string& line);

}  // namespace vemra::bench
