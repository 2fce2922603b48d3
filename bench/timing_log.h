#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vemra::bench {

// One timing line of a run with VEMRA_TIMING set: "@123456 frame intro pts 66 clock 61.2".
struct TimingLine {
    std::int64_t us = 0;
    std::string what;
    std::string detail;
};

// The timing lines among a run's standard error, in order.
std::vector<TimingLine> timingLines(const std::vector<std::string>& errorLines);

// The detail's words, split at blanks.
std::vector<std::string> words(const std::string& detail);

// Mean, median, 95th percentile and largest of a set of figures (all 0 when it is empty).
struct Spread {
    double mean = 0, median = 0, p95 = 0, largest = 0;
    std::size_t count = 0;
};
Spread spreadOf(std::vector<double> values);

}  // namespace vemra::bench
