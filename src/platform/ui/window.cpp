#include "platform/ui/window.h"

#include <algorithm>

#include "platform/gfx/font.h"
#include "platform/ui/application.h"

namespace vemra::ui {

namespace {
constexpr gfx::Color captionColor{0, 0, 128};
constexpr gfx::Color frameLight{223, 223, 223};
constexpr gfx::Color frameDark{128, 128, 128};
}  // namespace

Window::Window(std::string name, std::string className)
    : Widget(nullptr, std::move(name)), className_(std::move(className)) {
    visible_ = false;
    canvasState_.brushClear = true;
    app().addWindow(*this);
}

Window::~Window() {
    timers_.clear();
    if (Application::exists()) app().removeWindow(*this);
}

void Window::setBorderStyle(BorderStyle b) {
    outerChanged();
    border_ = b;
    outerChanged();
}

void Window::setStayOnTop(bool s) {
    stayOnTop_ = s;
    app().raise(*this);
}

void Window::setWindowState(WindowState s) {
    if (s == state_) return;
    state_ = s;
    if (s == WindowState::maximized) {
        const gfx::Size d = app().displaySize();
        setPosition(0, 0);
        const int frame = border_ == BorderStyle::single ? 2 * frameWidth : 0;
        const int caption = border_ == BorderStyle::single ? captionHeight : 0;
        setClientSize(d.width - frame, d.height - frame - caption);
    }
}

void Window::setPosition(int left, int top) {
    outerChanged();
    position_ = {left, top};
    outerChanged();
}

void Window::setClientSize(int w, int h) { setBounds({0, 0, std::max(0, w), std::max(0, h)}); }

void Window::setBounds(gfx::Rect r) {
    r.left = r.top = 0;
    if (r == bounds_) return;
    outerChanged();
    bounds_ = r;
    gfx::Bitmap resized(r.width, r.height, color);
    resized.copyFrom(surface_, surface_.bounds(), {0, 0});
    surface_ = std::move(resized);
    dirty_.clear();
    invalidateSurface(surface_.bounds());
    outerChanged();
}

gfx::Rect Window::outerRect() const {
    if (border_ == BorderStyle::none) return {position_.x, position_.y, width(), height()};
    return {position_.x, position_.y, width() + 2 * frameWidth, height() + 2 * frameWidth + captionHeight};
}

gfx::Point Window::clientOrigin() const {
    if (border_ == BorderStyle::none) return position_;
    return {position_.x + frameWidth, position_.y + frameWidth + captionHeight};
}

gfx::Rect Window::closeBoxRect() const {
    if (border_ == BorderStyle::none) return {};
    const gfx::Rect o = outerRect();
    return {o.right() - frameWidth - 18, o.top + frameWidth + 2, 16, 14};
}

void Window::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (v) {
        invalidateSurface(surface_.bounds());
        outerChanged();
        app().windowShown(*this);
    } else {
        app().windowHidden(*this);
    }
}

void Window::setEnabled(bool e) {
    enabled_ = e;
    if (!e && app().activeWindow() == this) app().windowHidden(*this);
}

void Window::show() {
    if (visible_) {
        app().raise(*this);
        if (enabled_) app().activate(this);
        return;
    }
    setVisible(true);
}

void Window::hide() { setVisible(false); }

void Window::close() {
    if (modal_) {
        if (modalResult == 0) modalResult = 2;
        return;
    }
    CloseAction action = CloseAction::hide;
    if (onClose) app().handle([&] { onClose(*this, action); });
    if (action == CloseAction::hide) hide();
    if (action == CloseAction::free) release();
}

void Window::release() {
    if (released_) return;
    released_ = true;
    app().windowReleased();
}

int Window::showModal() { return app().runModal(*this); }

void Window::setFocusedControl(Widget* w) {
    if (w && (!w->acceptsFocus() || w->window() != this)) return;
    Widget* old = focus_.get();
    if (old == w) return;
    focus_ = w;
    if (old) old->focusChanged();
    if (w) w->focusChanged();
}

void Window::focusNext() {
    std::vector<Widget*> order;
    std::function<void(Widget&)> collect = [&](Widget& parent) {
        for (auto& c : parent.children()) {
            if (c->acceptsFocus() && c->showing() && c->enabledInTree()) order.push_back(c.get());
            collect(*c);
        }
    };
    collect(*this);
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), focus_.get());
    setFocusedControl(it == order.end() || it + 1 == order.end() ? order.front() : *(it + 1));
}

void Window::widgetHidden(Widget& w) {
    for (Widget* f = focus_.get(); f; f = f->parent())
        if (f == &w) {
            focus_ = nullptr;
            break;
        }
}

Timer& Window::addTimer(std::string name, int intervalMs, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(std::move(name), intervalMs, enabled));
    return *timers_.back();
}

Timer* Window::timer(std::string_view name) {
    for (auto& t : timers_)
        if (t->name() == name) return t.get();
    return nullptr;
}

void Window::invalidateSurface(gfx::Rect r) {
    r = r.intersected(surface_.bounds());
    if (r.empty()) return;
    dirty_.add(r);
    surfaceChanged(r);
}

void Window::paintDirty() {
    if (dirty_.empty()) return;
    const gfx::Region invalid = std::move(dirty_);
    dirty_.clear();
    for (const gfx::Rect& clip : invalid.rects()) {
        surface_.fill(clip, color);
        paint(surface_, {0, 0}, clip);
        paintChildren(surface_, {0, 0}, clip);
    }
}

void Window::surfaceChanged(gfx::Rect r) {
    const gfx::Point at = clientOrigin();
    if (visible_) app().displayChanged(r.intersected(surface_.bounds()).translated(at.x, at.y));
}

void Window::outerChanged() {
    if (visible_) app().displayChanged(outerRect());
}

gfx::Canvas Window::canvas() {
    return gfx::Canvas(surface_, {0, 0}, surface_.bounds(), canvasState_, [this](gfx::Rect r) { surfaceChanged(r); });
}

void Window::paintFrame(gfx::Bitmap& display, gfx::Rect clip) const {
    const auto fill = [&](gfx::Rect r, gfx::Color c) { display.fill(r.intersected(clip), c); };
    const gfx::Rect o = outerRect();
    fill(o, gfx::colors::buttonFace);
    fill({o.left, o.top, o.width, 1}, frameLight);
    fill({o.left, o.top, 1, o.height}, frameLight);
    fill({o.left, o.bottom() - 1, o.width, 1}, frameDark);
    fill({o.right() - 1, o.top, 1, o.height}, frameDark);
    const gfx::Rect bar{o.left + frameWidth, o.top + frameWidth, o.width - 2 * frameWidth, captionHeight - 1};
    fill(bar, captionColor);
    gfx::FontSpec request{.face = "MS Sans Serif", .height = 11, .color = gfx::colors::white, .style = gfx::styleBold};
    const auto font = gfx::FontLibrary::shared().font(request);
    font->drawText(display, bar.intersected(clip), bar.left + 3, bar.top + (bar.height - font->lineHeight()) / 2,
                   caption, gfx::colors::white);
    const gfx::Rect box = closeBoxRect();
    fill(box, gfx::colors::buttonFace);
    fill({box.left, box.bottom() - 1, box.width, 1}, frameDark);
    fill({box.right() - 1, box.top, 1, box.height}, frameDark);
    for (int i = 0; i < 7; ++i) {  // the cross of the close box
        const int x = box.left + 4 + i, y = box.top + 3 + i;
        fill({x, y, 2, 1}, gfx::colors::black);
        fill({box.left + 10 - i, y, 2, 1}, gfx::colors::black);
    }
}

void Window::drawOnDisplay(gfx::Bitmap& display, gfx::Rect clip) {
    paintDirty();
    if (border_ == BorderStyle::single) paintFrame(display, clip);
    const gfx::Point at = clientOrigin();
    display.copyFrom(surface_, surface_.bounds(), {at.x, at.y, width(), height()}, clip);
}

}  // namespace vemra::ui
