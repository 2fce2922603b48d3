#pragma once

#include <cstdint>
#include <string_view>

namespace vemra::ui {

// Timing lines for the benchmarks, on standard error, when the environment sets VEMRA_TIMING:
// "@MICROSECONDS what detail", stamped with the application clock. Off, a line costs one test.
bool timing();
void timingLine(std::string_view what, std::string_view detail = {});
// The same line stamped with a moment of the application clock that has already passed.
void timingLineAt(std::int64_t us, std::string_view what, std::string_view detail = {});

}  // namespace vemra::ui
