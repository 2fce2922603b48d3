#include "timing_log.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sstream>

namespace vemra::bench {

std::vector<TimingLine> timingLines(const std::vector<std::string>& errorLines) {
    std::vector<TimingLine> lines;
    for (const std::string& text : errorLines) {
        if (text.size() < 2 || text[0] != '@') continue;
        std::istringstream fields(text.substr(1));
        TimingLine line;
        if (!(fields >> line.us >> line.what)) continue;
        std::getline(fields >> std::ws, line.detail);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> words(const std::string& detail) {
    std::istringstream fields(detail);
    std::vector<std::string> out;
    for (std::string word; fields >> word;) out.push_back(word);
    return out;
}

Spread spreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest figure that at least q of them do not exceed.
    const auto rank = [&](double q) { return values[std::size_t(std::ceil(q * double(values.size()))) - 1]; };
    return {.mean = std::accumulate(values.begin(), values.end(), 0.0) / double(values.size()),
            .median = rank(0.5),
            .p95 = rank(0.95),
            .largest = values.back(),
            .count = values.size()};
}

}  // namespace vemra::bench
