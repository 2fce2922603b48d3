#include "platform/ui/widget.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "platform/ui/window.h"

namespace vemra::ui {

Widget::Widget(Widget* parent, std::string name) : name_(std::move(name)), parent_(parent) {}

Widget::~Widget() = default;

Window* Widget::window() {
    Widget* w = this;
    while (w->parent_) w = w->parent_;
    return dynamic_cast<Window*>(w);
}

const Window* Widget::window() const { return const_cast<Widget*>(this)->window(); }

Widget* Widget::find(std::string_view name) {
    for (auto& c : children_) {
        if (c->name_ == name) return c.get();
        if (Widget* w = c->find(name)) return w;
    }
    return nullptr;
}

void Widget::setBounds(gfx::Rect r) {
    if (r == bounds_) return;
    invalidate();
    bounds_ = r;
    invalidate();
}

gfx::Rect Widget::rectInWindow() const {
    gfx::Rect r = bounds_;
    for (const Widget* p = parent_; p && p->parent_; p = p->parent_) r = r.translated(p->bounds_.left, p->bounds_.top);
    if (!parent_) return {0, 0, bounds_.width, bounds_.height};
    return r;
}

gfx::Rect Widget::visibleRectInWindow() const {
    gfx::Rect r = rectInWindow();
    for (const Widget* p = parent_; p; p = p->parent_)
        if (p->clipsChildren() || !p->parent_) r = r.intersected(p->rectInWindow());
    return r;
}

void Widget::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    invalidate();
    if (!v) {
        if (Window* w = window(); w && w != this) w->widgetHidden(*this);
    }
}

void Widget::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    invalidate();
}

bool Widget::showing() const {
    for (const Widget* w = this; w; w = w->parent_)
        if (!w->visible_) return false;
    return true;
}

bool Widget::enabledInTree() const {
    for (const Widget* w = this; w; w = w->parent_)
        if (!w->enabled_) return false;
    return true;
}

void Widget::bringToFront() {
    if (!parent_) return;
    auto& list = parent_->children_;
    auto it = std::find_if(list.begin(), list.end(), [this](auto& c) { return c.get() == this; });
    std::rotate(it, it + 1, list.end());
    invalidate();
}

void Widget::sendToBack() {
    if (!parent_) return;
    auto& list = parent_->children_;
    auto it = std::find_if(list.begin(), list.end(), [this](auto& c) { return c.get() == this; });
    std::rotate(list.begin(), it, it + 1);
    invalidate();
}

void Widget::invalidate() { invalidateRect({0, 0, bounds_.width, bounds_.height}); }

void Widget::invalidateRect(gfx::Rect local) {
    Window* w = window();
    if (!w) return;
    const gfx::Rect at = rectInWindow();
    w->invalidateSurface(local.translated(at.left, at.top).intersected(visibleRectInWindow()));
}

void Widget::repaint() {
    invalidate();
    if (Window* w = window()) w->paintDirty();
}

void Widget::paint(gfx::Bitmap&, gfx::Point, gfx::Rect) {}

void Widget::paintChildren(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    for (auto& child : children_) {
        if (!child->visible_) continue;
        const gfx::Rect r = child->bounds_.translated(at.x, at.y);
        const gfx::Rect own = clip.intersected(r);
        if (!own.empty()) child->paint(surface, r.origin(), own);
        if (!child->children_.empty()) child->paintChildren(surface, r.origin(), child->clipsChildren() ? own : clip);
    }
}

bool Widget::focused() const {
    const Window* w = window();
    return w && w->focusedControl() == this;
}

void Widget::setFocus() {
    if (Window* w = window()) w->setFocusedControl(this);
}

void Widget::mouseDown(MouseButton button, unsigned shift, gfx::Point p) {
    if (onMouseDown) onMouseDown(*this, button, shift, p.x, p.y);
}
void Widget::mouseUp(MouseButton button, unsigned shift, gfx::Point p) {
    if (onMouseUp) onMouseUp(*this, button, shift, p.x, p.y);
}
void Widget::mouseMove(unsigned shift, gfx::Point p) {
    if (onMouseMove) onMouseMove(*this, shift, p.x, p.y);
}
void Widget::click() {
    if (onClick) onClick(*this);
}
void Widget::dblClick() {
    if (onDblClick) onDblClick(*this);
}
void Widget::keyDown(int& key, unsigned shift) {
    if (onKeyDown) onKeyDown(*this, key, shift);
}
void Widget::keyPress(std::uint8_t& ch) {
    if (onKeyPress) onKeyPress(*this, ch);
}

void Widget::describe(nlohmann::json& out) const {
    const gfx::Rect r = rectInWindow();
    out["name"] = name_;
    out["kind"] = std::string(kind());
    out["visible"] = visible_;
    out["enabled"] = enabled_;
    out["left"] = r.left;
    out["top"] = r.top;
    out["width"] = bounds_.width;
    out["height"] = bounds_.height;
    out["tag"] = tag;
    out["cursor"] = cursor;
    if (parent_ && parent_->parent_) out["parent"] = parent_->name_;
    if (!hint.empty()) out["hint"] = hint;
}

Widget* widgetAt(Widget& root, gfx::Point p) {
    const auto& kids = root.children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Widget& c = **it;
        if (!c.visible() || !c.enabled()) continue;
        if (c.bounds().contains(p)) return widgetAt(c, {p.x - c.left(), p.y - c.top()});
        // A child that does not clip may stick out of its parent's rectangle.
        if (!c.clipsChildren() && !c.children().empty()) {
            Widget* inner = widgetAt(c, {p.x - c.left(), p.y - c.top()});
            if (inner != &c) return inner;
        }
    }
    return &root;
}

}  // namespace vemra::ui
