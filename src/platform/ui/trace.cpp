#include "platform/ui/trace.h"

#include <cstdio>

#include "platform/ui/application.h"

namespace vemra::ui {

namespace {
bool enabled = false;
}

void setTracing(bool on) { enabled = on; }
bool tracing() { return enabled; }

void trace(std::string_view what, std::string_view detail) {
    if (!enabled) return;
    const long long t = Application::exists() ? app().nowMs() : 0;
    std::fprintf(stderr, "[%lld] %.*s%s%.*s\n", t, int(what.size()), what.data(), detail.empty() ? "" : " ",
                 int(detail.size()), detail.data());
}

}  // namespace vemra::ui
