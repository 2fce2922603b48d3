#include "shell/redraw_after_opening.h"

namespace vemra::shell {

RedrawAfterOpening::RedrawAfterOpening(ui::Window& window, std::function<void()> draw)
    : timer_(window.addTimer("redrawAfterOpening", 1, false)) {
    timer_.onTimer = [draw = std::move(draw)](ui::Timer& t) {
        t.setEnabled(false);
        draw();
    };
}

}  // namespace vemra::shell
