#pragma once

#include <functional>

#include "platform/ui/timer.h"
#include "platform/ui/window.h"

namespace vemra::shell {

// Drawing that a screen does straight onto its window while it opens (its activation runs inside
// the opening) is covered by the repaint that ends the opening; arm() draws it once more as soon
// as the opening has finished.
class RedrawAfterOpening {
public:
    RedrawAfterOpening(ui::Window& window, std::function<void()> draw);
    void arm() { timer_.setEnabled(true); }

private:
    ui::Timer& timer_;
};

}  // namespace vemra::shell
