#include "platform/ui/timing.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ui/application.h"

namespace vemra::ui {

bool timing() {
    static const bool on = std::getenv("VEMRA_TIMING") != nullptr;
    return on;
}

void timingLine(std::string_view what, std::string_view detail) {
    if (timing()) timingLineAt(Application::exists() ? app().nowUs() : 0, what, detail);
}

void timingLineAt(std::int64_t us, std::string_view what, std::string_view detail) {
    if (!timing()) return;
    std::fprintf(stderr, "@%lld %.*s%s%.*s\n", static_cast<long long>(us), int(what.size()), what.data(),
                 detail.empty() ? "" : " ", int(detail.size()), detail.data());
}

}  // namespace vemra::ui
