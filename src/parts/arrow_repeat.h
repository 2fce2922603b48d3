#pragma once

#include <functional>
#include <vector>

#include "platform/ui/picture.h"
#include "platform/ui/timer.h"
#include "platform/ui/widget.h"

namespace vemra::parts {

// The line arrows of a list or text area and their auto-repeat on one timer (`t2`): a click steps
// once; holding the left button on an arrow shows its pressed look in front and steps after
// 500 ms, then every 100 ms, until the button is released wherever the pointer is. A release over
// the arrow is also a click, so it steps once more.
class ArrowRepeat {
public:
    static constexpr int firstDelayMs = 500;
    static constexpr int repeatMs = 100;

    // `firstDelay`: the wait before the first repeated step.
    explicit ArrowRepeat(ui::Timer& timer, int firstDelay = firstDelayMs);

    // `direction` is the arrow's number in `repeatDir` (1, 2, …); `step` moves one line.
    void addArrow(ui::Widget& arrow, int direction, ui::Picture& pressedLook, std::function<void()> step);

    // `repeatDir`: the direction of the arrow held last, 0 for none.
    int direction() const { return direction_; }
    void reset() { direction_ = 0; }

private:
    struct Arrow {
        int direction;
        std::function<void()> step;
    };
    void tick();

    ui::Timer& timer_;
    int firstDelay_;
    std::vector<Arrow> arrows_;
    int direction_ = 0;
};

}  // namespace vemra::parts
