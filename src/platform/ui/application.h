#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/speech/speech.h"
#include "platform/ui/backend.h"
#include "platform/ui/cursor.h"
#include "platform/ui/input.h"
#include "platform/ui/ref.h"

namespace vemra::ui {

class Timer;
class Widget;
class Window;

// Something that feeds the loop from outside, between events: the script harness.
class Driver {
public:
    virtual ~Driver() = default;
    // Runs the next command if one is ready now; returns false when it is waiting or finished.
    virtual bool step() = 0;
    // The clock time (µs) it waits for, or Backend::noDeadline.
    virtual std::int64_t deadlineUs() const = 0;
    virtual bool finished() const = 0;
};

// The event loop and everything process-wide of the toolkit: windows in z-order, the active
// window, timers, modal loops, cursors, hints, the default error box and the program's focus.
class Application {
public:
    static constexpr const char* programName = "vemra";
    static constexpr int doubleClickMs = 500;
    static constexpr int doubleClickDistance = 4;
    static constexpr int hintDelayMs = 500;
    // The language of the texts the screens show, as speech services name it.
    static constexpr const char* textLanguage = "fa";

    explicit Application(Backend& backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& instance();
    static bool exists();

    Backend& backend() { return backend_; }
    std::int64_t nowUs() const { return backend_.nowUs(); }
    std::int64_t nowMs() const { return backend_.nowUs() / 1000; }
    gfx::Size displaySize() const { return backend_.displaySize(); }

    // Runs until terminate() or until no window is left.
    void run();
    // Handles everything that is pending now, without waiting.
    void processMessages();
    void terminate() { terminated_ = true; }
    // Destroys every window the application owns, as the toolkit does when the loop has ended.
    void destroyWindows();
    bool terminated() const { return terminated_; }

    // Runs an event handler: an exception that leaves it shows the default error box.
    void handle(const std::function<void()>& handler);
    void showErrorBox(const std::string& text);
    // A modal message box with one OK button; owner may be null.
    void messageBox(Window* owner, const std::string& caption, const std::string& text);

    // Creates a window owned by the application; it lives until release() or the end of the run.
    template <class T, class... Args>
    T& create(Args&&... args) {
        auto w = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *w;
        owned_.push_back(std::move(w));
        return ref;
    }

    // Windows, bottom to top (stay-on-top ones last).
    const std::vector<Window*>& windows() const { return windows_; }
    Window* activeWindow() const { return active_.get(); }
    Window* topModal() const;
    bool programActive() const { return programActive_; }

    void setCursor(int number, std::shared_ptr<const CursorShape> shape);
    std::shared_ptr<const CursorShape> cursorShape(int number) const;
    int currentCursor() const { return currentCursor_; }

    // Shown tool tip, if any.
    const std::string& hintText() const { return hintText_; }

    // The voice that F5 reads a screen's text with: a recording one unless the program sets another.
    speech::Speech& speech() { return *speech_; }
    void setSpeech(std::unique_ptr<speech::Speech> speech) { speech_ = std::move(speech); }

    void postInput(const InputEvent& e) { input_.push_back(e); }
    void setDriver(Driver* d) { driver_ = d; }

    // Repaints what windows have invalidated, in both backends at the same points: after every
    // dispatched event, timer tick and script command, so that a headless run shows what a window does.
    void paintPending();
    // Paints what is due and shows what changed at once (the transition effects call it per strip).
    void presentNow();
    // A busy pause of the running handler: the frame is shown first, input waits.
    void pause(std::int64_t ns);
    // Calls `then` once, with the clock time (µs), when the next frame shown has reached the display.
    void whenShown(std::function<void(std::int64_t shownUs)> then) { whenShown_.push_back(std::move(then)); }
    // The whole display as the user sees it. With a window it is the frame last shown, brought up
    // to date where it changed; headless it is composed whole, which a window's must equal.
    const gfx::Bitmap& composeDisplay();

    // Used by windows and timers.
    void addWindow(Window& w);
    void removeWindow(Window& w);
    void raise(Window& w);
    void windowShown(Window& w);
    void windowHidden(Window& w);
    void windowReleased();
    void activate(Window* w);
    // Part of the display (display coordinates) must be composed and shown again.
    void displayChanged(gfx::Rect r);
    void addTimer(Timer& t);
    void removeTimer(Timer& t);
    int runModal(Window& w);

private:
    bool iterate(bool mayWait);
    void destroyReleased();
    bool fireDueTimer();
    bool skipsIdle(const Timer& t) const;
    std::int64_t nextDeadline() const;
    void dispatch(const InputEvent& e);
    void dispatchMouse(const InputEvent& e);
    void dispatchKey(const InputEvent& e);
    // The text a window shows, if it shows any.
    std::optional<std::string> shownText(Window& w);
    // Ctrl+C: the window's text onto the clipboard. Ctrl+V: the clipboard's characters typed into the focus.
    void copyFrom(Window& w);
    // F5: reads the window's text aloud, or stops reading.
    void readAloud(Window& w);
    void stopSpeaking();
    void pasteInto(Widget& focus);
    void setHover(Widget* w);
    void updateCursor(Widget* w);
    Window* windowAt(gfx::Point p) const;
    bool acceptsInput(const Window& w) const;
    void activateTopmost();
    gfx::Rect hintBox() const;
    void setHint(std::string text, gfx::Point at);
    void drawHint(gfx::Bitmap& display, gfx::Rect clip);
    // Composes the display within the changed areas and returns them.
    gfx::Region composeChanged();

    Backend& backend_;
    std::vector<Window*> windows_;
    std::vector<std::unique_ptr<Window>> owned_;
    std::vector<Timer*> timers_;
    std::vector<Window*> modalStack_;
    Ref<Window> active_;
    Ref<Widget> hover_;
    Ref<Widget> capture_;
    std::optional<Ref<Window>> keyDownWindow_;  // between a key's down and up
    Ref<Widget> lastDown_;
    bool clickArmed_ = false;
    std::int64_t lastDownUs_ = -1;
    gfx::Point lastDownPos_;
    gfx::Point mouse_;
    std::int64_t hoverSinceUs_ = 0;
    std::string hintText_;
    gfx::Point hintPos_;
    std::map<int, std::shared_ptr<const CursorShape>> cursors_;
    int currentCursor_ = 0;
    std::deque<InputEvent> input_;
    Driver* driver_ = nullptr;
    std::unique_ptr<speech::Speech> speech_;
    bool terminated_ = false;
    bool programActive_ = true;
    gfx::Region changed_;  // display areas not yet composed
    std::vector<std::function<void(std::int64_t)>> whenShown_;
    bool releasePending_ = false;
    bool errorBoxOpen_ = false;
    gfx::Bitmap display_;
};

inline Application& app() { return Application::instance(); }

}  // namespace vemra::ui
