#pragma once

#include <functional>

#include "platform/ui/timer.h"

namespace vemra::parts {

// The re-activation watch of the reading screens: their drawing lives on the window surface and
// is lost when the user switches to another application, so every tick of the watch's timer
// notes the switch away and, once the program is active again, runs the screen's activation.
class ReactivationWatch {
public:
    ReactivationWatch(ui::Timer& timer, std::function<void()> activate);

    // The activation has run: the watch waits for the next switch away.
    void activated() { activated_ = true; }
    bool isActivated() const { return activated_; }

private:
    void tick();

    std::function<void()> activate_;
    bool activated_ = false;
};

}  // namespace vemra::parts
