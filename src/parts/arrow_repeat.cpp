#include "parts/arrow_repeat.h"

namespace vemra::parts {

ArrowRepeat::ArrowRepeat(ui::Timer& timer, int firstDelay) : timer_(timer), firstDelay_(firstDelay) {
    timer_.onTimer = [this](ui::Timer&) { tick(); };
}

void ArrowRepeat::addArrow(ui::Widget& arrow, int direction, ui::Picture& pressedLook, std::function<void()> step) {
    arrows_.push_back({direction, step});
    arrow.onClick = [step](ui::Widget&) { step(); };
    arrow.onMouseDown = [this, direction, &pressedLook](ui::Widget&, ui::MouseButton button, unsigned, int, int) {
        if (button != ui::MouseButton::left) return;
        direction_ = direction;
        timer_.setInterval(firstDelay_);
        timer_.setEnabled(true);
        pressedLook.bringToFront();
    };
    arrow.onMouseUp = [this, &pressedLook](ui::Widget&, ui::MouseButton button, unsigned, int, int) {
        if (button != ui::MouseButton::left) return;
        timer_.setEnabled(false);
        pressedLook.sendToBack();
    };
}

void ArrowRepeat::tick() {
    timer_.setInterval(repeatMs);
    for (const Arrow& a : arrows_)
        if (a.direction == direction_) a.step();
}

}  // namespace vemra::parts
