#include "platform/ui/application.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "platform/gfx/font.h"
#include "platform/gfx/utf8.h"
#include "platform/ui/message_box.h"
#include "platform/ui/screenshot.h"
#include "platform/ui/timer.h"
#include "platform/ui/timing.h"
#include "platform/ui/trace.h"
#include "platform/ui/window.h"

namespace vemra::ui {

namespace {
Application* current = nullptr;

template <class T>
void erase(std::vector<T*>& v, T* item) {
    v.erase(std::remove(v.begin(), v.end(), item), v.end());
}
}  // namespace

Application::Application(Backend& backend) : backend_(backend), speech_(std::make_unique<speech::RecordedSpeech>()) {
    if (current) throw std::logic_error("only one application may exist");
    current = this;
    cursors_[cursors::defaultCursor] = CursorShape::systemShape(CursorShape::System::arrow);
    cursors_[cursors::arrow] = CursorShape::systemShape(CursorShape::System::arrow);
    cursors_[cursors::handPoint] = CursorShape::systemShape(CursorShape::System::hand);
}

Application::~Application() {
    owned_.clear();
    current = nullptr;
}

Application& Application::instance() {
    if (!current) throw std::logic_error("no application");
    return *current;
}

bool Application::exists() { return current != nullptr; }

void Application::run() {
    while (!terminated_) {
        iterate(true);
        if (windows_.empty()) break;
    }
    destroyReleased();
}

void Application::destroyWindows() {
    while (!owned_.empty()) {
        Window& w = *owned_.back();
        trace("window destroyed", w.name());
        if (w.onDestroy) handle([&] { w.onDestroy(w); });
        owned_.pop_back();
    }
}

void Application::processMessages() {
    while (!terminated_ && iterate(false)) {
    }
}

namespace {

// Runs a handler; the text of what it threw, if it failed.
std::optional<std::string> failureOf(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        return std::string("not enough memory");
    } catch (const std::exception& e) {
        return std::string(e.what());
    } catch (...) {
        return std::string("unknown error");
    }
    return std::nullopt;
}

}  // namespace

void Application::handle(const std::function<void()>& handler) {
    if (auto failure = failureOf(handler)) showErrorBox(*failure);
}

void Application::showErrorBox(const std::string& text) {
    // One error box at a time: a handler that fails again while the box is up (a timer, or the
    // activation that closing the box brings about) would otherwise nest boxes without end.
    if (errorBoxOpen_) {
        trace("error box suppressed", text);
        return;
    }
    trace("error box", text);
    errorBoxOpen_ = true;
    messageBox(nullptr, programName, text);
    errorBoxOpen_ = false;
}

void Application::messageBox(Window* owner, const std::string& caption, const std::string& text) {
    trace("message box", (owner ? owner->name() + " " : std::string()) + caption + ": " + text);
    auto& box = create<MessageBox>(caption, text);
    box.showModal();
    box.release();
}

Window* Application::topModal() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }

// ---- windows ---------------------------------------------------------------------------------

void Application::addWindow(Window& w) {
    windows_.push_back(&w);
    raise(w);
    trace("window created", w.name());
}

void Application::removeWindow(Window& w) {
    if (w.visible()) displayChanged(w.outerRect());
    erase(windows_, &w);
    erase(modalStack_, &w);
    if (active_.get() == &w) active_ = nullptr;
}

void Application::raise(Window& w) {
    erase(windows_, &w);
    auto firstOnTop = std::find_if(windows_.begin(), windows_.end(), [](Window* x) { return x->stayOnTop(); });
    windows_.insert(w.stayOnTop() ? windows_.end() : firstOnTop, &w);
    if (w.visible()) displayChanged(w.outerRect());
}

void Application::windowShown(Window& w) {
    trace("window shown", w.name());
    raise(w);
    if (w.onShow) handle([&] { w.onShow(w); });
    if (w.visible() && w.enabled() && acceptsInput(w)) activate(&w);
}

void Application::windowHidden(Window& w) {
    displayChanged(w.outerRect());
    if (w.onHide) handle([&] { w.onHide(w); });
    if (active_.get() == &w) activateTopmost();
}

void Application::windowReleased() { releasePending_ = true; }

void Application::activate(Window* w) {
    Window* previous = active_.get();
    if (previous == w) return;
    active_ = w;
    if (previous && previous->onDeactivate) handle([&] { previous->onDeactivate(*previous); });
    if (w && active_.get() == w && w->onActivate) handle([&] { w->onActivate(*w); });
}

void Application::activateTopmost() {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        Window* w = *it;
        if (w->visible() && w->enabled() && !w->released() && acceptsInput(*w)) {
            activate(w);
            return;
        }
    }
    activate(nullptr);
}

bool Application::acceptsInput(const Window& w) const {
    return w.visible() && w.enabled() && (modalStack_.empty() || &w == modalStack_.back());
}

void Application::destroyReleased() {
    if (!releasePending_) return;
    releasePending_ = false;
    bool any = false;
    for (std::size_t i = 0; i < owned_.size();) {
        Window& w = *owned_[i];
        if (!w.released()) {
            ++i;
            continue;
        }
        trace("window released", w.name());
        if (w.onDestroy) handle([&] { w.onDestroy(w); });
        auto it = std::find_if(owned_.begin(), owned_.end(), [&](auto& p) { return p.get() == &w; });
        owned_.erase(it);
        any = true;
        i = 0;
    }
    if (any && (!active_ || !active_->visible())) activateTopmost();
}

int Application::runModal(Window& w) {
    Ref<Window> self(&w);
    Ref<Window> previous = active_;
    w.modal_ = true;
    w.modalResult = 0;
    modalStack_.push_back(&w);
    if (w.visible())
        activate(&w);
    else
        w.show();
    while (self && !terminated_) {
        iterate(true);
        if (!self) break;
        if (!self->visible()) {
            if (self->modalResult == 0) self->modalResult = 2;
            break;
        }
        if (self->modalResult == 0) continue;
        CloseAction action = CloseAction::hide;
        if (self->onClose) handle([&] { self->onClose(*self, action); });
        if (action == CloseAction::none) {
            self->modalResult = 0;
            continue;
        }
        if (action == CloseAction::free) self->release();
        break;
    }
    const int result = self ? self->modalResult : 2;
    if (self) {
        erase(modalStack_, self.get());
        self->modal_ = false;
        self->hide();
    }
    if (previous && previous->visible() && acceptsInput(*previous))
        activate(previous.get());
    else
        activateTopmost();
    return result;
}

// ---- the loop --------------------------------------------------------------------------------

bool Application::iterate(bool mayWait) {
    for (const std::string& problem : speech_->takeProblems()) trace("speech unavailable", problem);
    destroyReleased();
    if (terminated_) return false;
    if (auto e = backend_.waitEvent(backend_.nowUs())) input_.push_back(*e);
    if (!input_.empty()) {
        const InputEvent e = input_.front();
        input_.pop_front();
        dispatch(e);
        paintPending();
        return true;
    }
    if (fireDueTimer()) {
        paintPending();
        return true;
    }
    if (hover_ && hintText_.empty() && hover_->showHint && !hover_->hint.empty() &&
        nowUs() >= hoverSinceUs_ + hintDelayMs * 1000) {
        setHint(hover_->hint, {mouse_.x, mouse_.y + 20});
    }
    if (!changed_.empty()) presentNow();
    if (driver_ && driver_->step()) {
        paintPending();
        return true;
    }
    if (!mayWait) return false;
    const std::int64_t deadline = nextDeadline();
    // On a virtual clock nothing outside can happen: the run ends with its script, or when no
    // timer is left to wait for.
    if (backend_.virtualTime() && ((driver_ && driver_->finished()) || deadline == Backend::noDeadline)) {
        terminate();
        return false;
    }
    if (auto e = backend_.waitEvent(deadline)) input_.push_back(*e);
    return true;
}

std::int64_t Application::nextDeadline() const {
    std::int64_t deadline = Backend::noDeadline;
    auto consider = [&](std::int64_t t) {
        if (t >= 0 && (deadline == Backend::noDeadline || t < deadline)) deadline = t;
    };
    for (const Timer* t : timers_)
        if (!skipsIdle(*t)) consider(t->dueUs());
    if (driver_) consider(driver_->deadlineUs());
    if (hover_ && hintText_.empty() && hover_->showHint && !hover_->hint.empty())
        consider(hoverSinceUs_ + hintDelayMs * 1000);
    return deadline;
}

bool Application::fireDueTimer() {
    const std::int64_t now = nowUs();
    Timer* next = nullptr;
    for (Timer* t : timers_) {
        const std::int64_t due = t->dueUs();
        if (due < 0 || due > now) continue;
        if (skipsIdle(*t)) {
            t->passOver(now);
            continue;
        }
        if (!next || due < next->dueUs() || (due == next->dueUs() && t->sequence() < next->sequence())) next = t;
    }
    if (!next) return false;
    const Ref<Timer> fired(next);
    if (auto failure = failureOf([&] { next->fire(now); })) {
        // A timer whose handler failed waits until its error box is closed.
        if (fired) fired->setHeld(true);
        showErrorBox(*failure);
        if (Timer* t = fired.get()) t->setHeld(false);
    }
    return true;
}

// On a virtual clock a wake-up costs nothing, and every tick runs as it always did.
bool Application::skipsIdle(const Timer& t) const { return !backend_.virtualTime() && t.idle(); }

void Application::addTimer(Timer& t) { timers_.push_back(&t); }
void Application::removeTimer(Timer& t) { erase(timers_, &t); }

// ---- input -----------------------------------------------------------------------------------

void Application::dispatch(const InputEvent& e) {
    using T = InputEvent::Type;
    switch (e.type) {
    case T::quit:
        terminate();
        break;
    case T::focusGained:
        programActive_ = true;
        break;
    case T::focusLost:
        programActive_ = false;
        break;
    case T::closeRequest:
        if (Window* w = topModal() ? topModal() : activeWindow()) w->close();
        break;
    case T::drop:
        if (Window* w = topModal() ? topModal() : activeWindow(); w && w->onDrop) handle([&] { w->onDrop(*w, e.text); });
        break;
    case T::mouseMove:
    case T::mouseDown:
    case T::mouseUp:
        dispatchMouse(e);
        break;
    case T::keyDown:
    case T::keyUp:
    case T::keyPress:
    case T::character:
        dispatchKey(e);
        break;
    }
}

Window* Application::windowAt(gfx::Point p) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->visible() && (*it)->outerRect().contains(p)) return *it;
    return nullptr;
}

void Application::dispatchMouse(const InputEvent& e) {
    using T = InputEvent::Type;
    mouse_ = {e.x, e.y};
    Widget* target = capture_.get();
    if (!target || e.type == T::mouseDown) {
        Window* w = windowAt(mouse_);
        if (!w || !acceptsInput(*w)) {
            setHover(nullptr);
            return;
        }
        const gfx::Point origin = w->clientOrigin();
        const gfx::Point local{mouse_.x - origin.x, mouse_.y - origin.y};
        if (e.type == T::mouseDown && active_.get() != w) {
            raise(*w);
            activate(w);
        }
        if (!gfx::Rect{0, 0, w->width(), w->height()}.contains(local)) {  // on the frame
            setHover(nullptr);
            if (e.type == T::mouseUp && w->closeBoxRect().contains(mouse_)) w->close();
            return;
        }
        target = widgetAt(*w, local);
    }
    Ref<Widget> ref(target);
    const gfx::Point origin = target->window()->clientOrigin();
    const gfx::Rect at = target->rectInWindow();
    const gfx::Point local{mouse_.x - origin.x - at.left, mouse_.y - origin.y - at.top};
    unsigned shift = e.shift;

    if (e.type == T::mouseMove) {
        if (!capture_) setHover(target);
        updateCursor(target);
        handle([&] { target->mouseMove(shift, local); });
        return;
    }
    if (e.type == T::mouseDown) {
        setHint({}, {});
        hoverSinceUs_ = nowUs();
        capture_ = target;
        if (target->acceptsFocus()) target->setFocus();
        const bool isDouble = e.button == MouseButton::left && lastDown_.get() == target && lastDownUs_ >= 0 &&
                              nowUs() - lastDownUs_ <= doubleClickMs * 1000 &&
                              std::abs(mouse_.x - lastDownPos_.x) <= doubleClickDistance &&
                              std::abs(mouse_.y - lastDownPos_.y) <= doubleClickDistance;
        if (isDouble) {
            lastDownUs_ = -1;
            clickArmed_ = false;
            handle([&] { target->dblClick(); });
            if (ref) handle([&] { target->mouseDown(e.button, shift | doubleClick, local); });
        } else {
            lastDown_ = target;
            lastDownUs_ = nowUs();
            lastDownPos_ = mouse_;
            clickArmed_ = e.button == MouseButton::left;
            handle([&] { target->mouseDown(e.button, shift, local); });
        }
        return;
    }
    // Button up: the control that got the button-down hears it, wherever the pointer is.
    capture_ = nullptr;
    if (clickArmed_ && e.button == MouseButton::left) {
        clickArmed_ = false;
        if (gfx::Rect{0, 0, target->width(), target->height()}.contains(local)) handle([&] { target->click(); });
    }
    if (ref) handle([&] { target->mouseUp(e.button, shift, local); });
}

void Application::dispatchKey(const InputEvent& e) {
    using T = InputEvent::Type;
    if (e.type == T::keyDown && e.key == vk::f12) {  // the program's own key: no screen sees it go down
        saveScreenshot(composeDisplay());
        return;
    }
    // Escape also stops reading aloud, and still goes on to the screen it was meant for.
    if (e.type == T::keyDown && e.key == vk::escape && speech_->speaking()) stopSpeaking();
    Window* w = topModal() ? topModal() : activeWindow();
    // A key's character belongs to the window its key went down in: when that window has closed
    // in between (Escape, Enter on a button), the character goes with it.
    if (e.type == T::keyDown) keyDownWindow_ = w;
    if (e.type == T::keyUp) keyDownWindow_ = std::nullopt;
    if (e.type == T::keyPress && keyDownWindow_ && keyDownWindow_->get() != w) return;
    if (!w || !w->enabled()) return;
    setHint({}, {});
    Ref<Window> window(w);
    Widget* focus = w->focusedControl();
    if (focus && (!focus->showing() || !focus->enabledInTree())) focus = nullptr;
    if (e.type == T::character) {
        if (focus && focus->onCharacter) handle([&] { focus->onCharacter(*focus, e.character); });
        return;
    }
    if (e.type == T::keyDown && (e.shift & (ctrlKey | altKey)) == ctrlKey && (e.key == 'C' || e.key == 'V')) {
        // The program's own keys: no screen sees them.
        if (e.key == 'C') copyFrom(*w);
        else if (focus) pasteInto(*focus);
        return;
    }
    if (e.type == T::keyDown && e.key == vk::f5) {  // the program's own key too
        readAloud(*w);
        return;
    }
    if (e.type == T::keyDown) {
        if (e.key == vk::f4 && (e.shift & altKey)) {
            w->close();
            return;
        }

        int key = e.key;
        if (focus) handle([&] { focus->keyDown(key, e.shift); });
        if (key == vk::tab && window) {
            w->focusNext();
            return;
        }
        if (key != 0 && window) handle([&] { w->keyDown(key, e.shift); });
    } else if (e.type == T::keyPress) {
        std::uint8_t ch = std::uint8_t(e.key);
        if (focus) handle([&] { focus->keyPress(ch); });
        if (ch != 0 && window) handle([&] { w->keyPress(ch); });
    }
}

std::optional<std::string> Application::shownText(Window& w) {
    if (!w.copyText) return std::nullopt;
    std::optional<std::string> text;
    handle([&] { text = w.copyText(); });
    if (text && text->empty()) return std::nullopt;
    return text;
}

void Application::copyFrom(Window& w) {
    const auto text = shownText(w);
    if (!text) return;  // a screen showing no text leaves the clipboard alone
    backend_.setClipboardText(*text);
    trace("clipboard", std::to_string(text->size()) + " bytes from " + w.name());
}

void Application::readAloud(Window& w) {
    if (speech_->speaking()) {
        stopSpeaking();
        return;
    }
    auto text = shownText(w);
    if (!text) return;
    trace("speech", std::to_string(text->size()) + " bytes from " + w.name() + " in " + textLanguage);
    speech_->speak({std::move(*text), textLanguage});
}

void Application::stopSpeaking() {
    speech_->stop();
    trace("speech stopped");
}

void Application::pasteInto(Widget& focus) {
    if (!focus.onCharacter) return;
    const auto text = gfx::decodeUtf8(backend_.clipboardText());
    if (!text) return;
    Ref<Widget> target(&focus);
    for (const char32_t c : *text) {
        if (!target) return;
        handle([&] { target->onCharacter(*target, c); });
    }
}

void Application::setHover(Widget* w) {
    if (hover_.get() == w) return;
    hover_ = w;
    hoverSinceUs_ = nowUs();
    setHint({}, {});
    if (!w) updateCursor(nullptr);
}

void Application::updateCursor(Widget* w) {
    int number = cursors::defaultCursor;
    for (; w; w = w->parent())
        if (w->cursor != cursors::defaultCursor) {
            number = w->cursor;
            break;
        }
    if (number == currentCursor_) return;
    currentCursor_ = number;
    backend_.setCursor(cursorShape(number));
}

void Application::setCursor(int number, std::shared_ptr<const CursorShape> shape) {
    cursors_[number] = std::move(shape);
    if (number == currentCursor_) backend_.setCursor(cursorShape(number));
}

std::shared_ptr<const CursorShape> Application::cursorShape(int number) const {
    auto it = cursors_.find(number);
    return it != cursors_.end() ? it->second : cursors_.at(cursors::defaultCursor);
}

// ---- drawing ---------------------------------------------------------------------------------

void Application::displayChanged(gfx::Rect r) {
    // Composing a little more than changed costs less than tracking many small pieces.
    constexpr std::size_t mostPieces = 16;
    const gfx::Size size = displaySize();
    changed_.add(r.intersected({0, 0, size.width, size.height}));
    if (changed_.rects().size() > mostPieces) {
        const gfx::Rect all = changed_.bounds();
        changed_.clear();
        changed_.add(all);
    }
}

gfx::Region Application::composeChanged() {
    const gfx::Size size = backend_.displaySize();
    if (display_.size() != size) {
        display_ = gfx::Bitmap(size.width, size.height, gfx::colors::black);
        displayChanged(display_.bounds());
    }
    gfx::Region changed = std::move(changed_);
    changed_.clear();
    for (const gfx::Rect& clip : changed.rects()) {
        display_.fill(clip, gfx::colors::black);
        for (Window* w : windows_)
            if (w->visible() && !w->outerRect().intersected(clip).empty()) w->drawOnDisplay(display_, clip);
        drawHint(display_, clip);
    }
    return changed;
}

const gfx::Bitmap& Application::composeDisplay() {
    paintPending();
    if (!backend_.showsFrames()) displayChanged({0, 0, displaySize().width, displaySize().height});
    composeChanged();
    return display_;
}

gfx::Rect Application::hintBox() const {
    if (hintText_.empty()) return {};
    const auto font = gfx::FontLibrary::shared().font({});
    const gfx::Size display = displaySize();
    gfx::Rect box{hintPos_.x, hintPos_.y, font->textWidth(hintText_) + 6, font->lineHeight() + 4};
    box.left = std::clamp(box.left, 0, std::max(0, display.width - box.width));
    box.top = std::clamp(box.top, 0, std::max(0, display.height - box.height));
    return box;
}

void Application::setHint(std::string text, gfx::Point at) {
    if (text == hintText_ && (text.empty() || at == hintPos_)) return;
    displayChanged(hintBox());
    hintText_ = std::move(text);
    hintPos_ = at;
    displayChanged(hintBox());
}

void Application::drawHint(gfx::Bitmap& display, gfx::Rect clip) {
    const gfx::Rect box = hintBox();
    if (box.intersected(clip).empty()) return;
    const auto font = gfx::FontLibrary::shared().font({});
    display.fill(box.intersected(clip), gfx::colors::black);
    display.fill(gfx::Rect{box.left + 1, box.top + 1, box.width - 2, box.height - 2}.intersected(clip),
                 gfx::colors::infoBackground);
    font->drawText(display, box.intersected(clip), box.left + 3, box.top + 2, hintText_, gfx::colors::windowText);
}

void Application::paintPending() {
    if (std::none_of(windows_.begin(), windows_.end(), [](const Window* w) { return w->needsPaint(); })) return;
    // A copy: owner-drawn controls run handlers while they paint.
    const std::vector<Window*> windows = windows_;
    for (Window* w : windows) w->paintDirty();
}

void Application::presentNow() {
    paintPending();
    if (!backend_.showsFrames()) {
        changed_.clear();  // headless composes whole when a screenshot asks
        return;
    }
    const gfx::Region changed = composeChanged();
    if (changed.empty()) return;
    backend_.present(display_, changed);
    if (!timing() && whenShown_.empty()) return;
    const std::int64_t shownUs = nowUs();
    if (timing()) {
        std::string rects;
        for (const gfx::Rect& r : changed.rects())
            rects += " " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
                     std::to_string(r.height);
        timingLineAt(shownUs, "present", rects.substr(1));
    }
    for (auto& then : std::exchange(whenShown_, {})) then(shownUs);
}

void Application::pause(std::int64_t ns) {
    if (backend_.showsFrames())
        presentNow();
    else
        paintPending();
    if (timing()) timingLine("pause", std::to_string(ns));
    backend_.pause(ns);
}

}  // namespace vemra::ui
