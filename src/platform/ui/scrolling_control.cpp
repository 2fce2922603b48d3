#include "platform/ui/scrolling_control.h"

#include "platform/gfx/bevel.h"

namespace vemra::ui {

ScrollingControl::ScrollingControl(Widget* parent, std::string name)
    : Widget(parent, std::move(name)),
      vertical_(Orientation::vertical, [this](ScrollCode code, int pos) { scrolled(Orientation::vertical, code, pos); }),
      horizontal_(Orientation::horizontal,
                  [this](ScrollCode code, int pos) { scrolled(Orientation::horizontal, code, pos); }) {}

void ScrollingControl::scrolled(Orientation o, ScrollCode code, int thumbPos) {
    barScrolled(o, code, thumbPos);
    updateBars();  // a held press goes on from the new thumb position
}

gfx::Rect ScrollingControl::innerRect() const {
    return {borderWidth, borderWidth, width() - 2 * borderWidth, height() - 2 * borderWidth};
}

gfx::Rect ScrollingControl::contentRect() const {
    gfx::Rect r = innerRect();
    if (showsBar(Orientation::vertical)) r.width -= barWidth;
    if (showsBar(Orientation::horizontal)) r.height -= barWidth;
    return r;
}

void ScrollingControl::updateBars() {
    const gfx::Rect inner = innerRect(), content = contentRect();
    const bool v = showsBar(Orientation::vertical), h = showsBar(Orientation::horizontal);
    vertical_.place(v ? gfx::Rect{content.right(), inner.top, barWidth, content.height} : gfx::Rect{},
                    v ? barRange(Orientation::vertical) : ScrollRange{});
    horizontal_.place(h ? gfx::Rect{inner.left, content.bottom(), content.width, barWidth} : gfx::Rect{},
                      h ? barRange(Orientation::horizontal) : ScrollRange{});
}

void ScrollingControl::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    updateBars();
    gfx::drawSunkenEdge(surface, {at.x, at.y, width(), height()}, clip);
    const gfx::Rect content = contentRect().translated(at.x, at.y);
    paintContent(surface, content, content.intersected(clip));
    vertical_.paint(surface, at, clip);
    horizontal_.paint(surface, at, clip);
    if (showsBar(Orientation::vertical) && showsBar(Orientation::horizontal))
        surface.fill(gfx::Rect{content.right(), content.bottom(), barWidth, barWidth}.intersected(clip),
                     gfx::colors::buttonFace);
}

void ScrollingControl::mouseDown(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left) {
        updateBars();
        pressOnBar_ = false;
        for (ScrollBarElement* bar : {&vertical_, &horizontal_})
            if (bar->mouseDown(local)) {
                pressOnBar_ = true;
                invalidateRect(bar->rect());
                return;
            }
        contentHeld_ = true;
        pointerOnContent(local);
    }
    Widget::mouseDown(button, shift, local);
}

void ScrollingControl::mouseMove(unsigned shift, gfx::Point local) {
    for (ScrollBarElement* bar : {&vertical_, &horizontal_})
        if (bar->mouseMove(local)) {
            invalidateRect(bar->rect());
            return;
        }
    if (contentHeld_) pointerOnContent(local);
    Widget::mouseMove(shift, local);
}

void ScrollingControl::mouseUp(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left) {
        for (ScrollBarElement* bar : {&vertical_, &horizontal_})
            if (bar->mouseUp(local)) {
                invalidateRect(bar->rect());
                return;
            }
        contentHeld_ = false;
    }
    Widget::mouseUp(button, shift, local);
}

void ScrollingControl::click() {
    if (!pressOnBar_) Widget::click();
}

void ScrollingControl::dblClick() {
    if (!pressOnBar_) Widget::dblClick();
}

}  // namespace vemra::ui
