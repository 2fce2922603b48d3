#pragma once

#include <string_view>

namespace vemra::ui {

// One line per event of note on standard error, when tracing is on (--trace).
void setTracing(bool on);
bool tracing();
void trace(std::string_view what, std::string_view detail = {});

}  // namespace vemra::ui
