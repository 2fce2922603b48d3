#include "platform/ui/scroll_bar.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace vemra::ui {

ScrollBar::ScrollBar(Widget* parent, std::string name)
    : Widget(parent, std::move(name)), bar_(Orientation::horizontal, [this](ScrollCode code, int pos) { scroll(code, pos); }) {}

void ScrollBar::updateBar() {
    bar_.place({0, 0, width(), height()}, range());
    invalidate();
}

void ScrollBar::setBounds(gfx::Rect r) {
    Widget::setBounds(r);
    updateBar();
}

void ScrollBar::setMin(int v) {
    min_ = v;
    updateBar();
    setPosition(position_);
}

void ScrollBar::setMax(int v) {
    max_ = v;
    updateBar();
    setPosition(position_);
}

void ScrollBar::setPosition(int v) {
    v = std::max(min_, std::min(v, max_));
    if (v == position_) return;
    position_ = v;
    updateBar();
    if (onChange) onChange(*this);
}

void ScrollBar::scroll(ScrollCode code, int thumbPos) {
    int pos = positionAfter(code, range(), smallChange_, largeChange_, thumbPos);
    if (onScroll) onScroll(*this, code, pos);
    setPosition(pos);
}

void ScrollBar::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) { bar_.paint(surface, at, clip); }

void ScrollBar::mouseDown(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left && bar_.mouseDown(local)) invalidate();
    Widget::mouseDown(button, shift, local);
}

void ScrollBar::mouseMove(unsigned shift, gfx::Point local) {
    if (bar_.mouseMove(local)) invalidate();
    Widget::mouseMove(shift, local);
}

void ScrollBar::mouseUp(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left && bar_.mouseUp(local)) invalidate();
    Widget::mouseUp(button, shift, local);
}

void ScrollBar::keyDown(int& key, unsigned shift) {
    Widget::keyDown(key, shift);
    const auto code = scrollCodeOfKey(key, Orientation::horizontal);
    if (!code) return;
    key = 0;
    scroll(*code, position_);
    scroll(ScrollCode::endScroll, position_);  // a key acts as a press and release
}

void ScrollBar::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["min"] = min_;
    out["max"] = max_;
    out["position"] = position_;
}

}  // namespace vemra::ui
