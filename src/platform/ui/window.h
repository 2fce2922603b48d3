#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/ui/timer.h"
#include "platform/ui/widget.h"

namespace vemra::ui {

enum class BorderStyle { none, single };
enum class WindowState { normal, maximized };
enum class CloseAction { none, hide, free };

// A top-level window: a client surface with controls, placed on the logical display.
// Windows register with the application when constructed and are destroyed by it after release().
class Window : public Widget {
public:
    // The frame of a window with a single-line border and a caption bar, in pixels.
    static constexpr int frameWidth = 3;
    static constexpr int captionHeight = 19;

    Window(std::string name, std::string className);
    ~Window() override;

    std::string_view kind() const override { return "window"; }
    const std::string& className() const { return className_; }

    std::string caption;
    gfx::Color color = gfx::colors::buttonFace;

    BorderStyle borderStyle() const { return border_; }
    void setBorderStyle(BorderStyle b);
    WindowState windowState() const { return state_; }
    void setWindowState(WindowState s);
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool s);

    // Outer position on the display (the frame's top-left corner for bordered windows).
    int windowLeft() const { return position_.x; }
    int windowTop() const { return position_.y; }
    void setPosition(int left, int top);
    int clientWidth() const { return width(); }
    int clientHeight() const { return height(); }
    void setClientSize(int w, int h);
    gfx::Rect outerRect() const;
    gfx::Point clientOrigin() const;
    gfx::Rect closeBoxRect() const;  // in display coordinates; empty without a border

    void setBounds(gfx::Rect r) override;
    void setVisible(bool v) override;
    void setEnabled(bool e) override;

    void show();
    void hide();
    // A close request: onClose decides (default hide; a modal window ends its modal loop).
    void close();
    // Destroyed by the application after the running handler returns.
    void release();
    bool released() const { return released_; }
    // Shows the window modally and returns its modal result when it closes.
    int showModal();
    bool modal() const { return modal_; }
    int modalResult = 0;

    Widget* focusedControl() const { return focus_.get(); }
    void setFocusedControl(Widget* w);
    // Moves the focus to the next control that takes it, in creation order (Tab).
    void focusNext();

    Timer& addTimer(std::string name, int intervalMs, bool enabled = true);
    Timer* timer(std::string_view name);

    NotifyEvent onShow, onHide, onActivate, onDeactivate, onDestroy;
    std::function<void(Window& sender, CloseAction& action)> onClose;
    // A file or folder dropped onto the window from the desktop; windows without it ignore drops.
    std::function<void(Window& sender, const std::string& path)> onDrop;

    // The client surface: what the controls painted plus what was drawn on label canvases since.
    gfx::Bitmap& surface() { return surface_; }
    void invalidateSurface(gfx::Rect r);
    void paintDirty();
    bool needsPaint() const { return !dirty_.empty(); }
    // Tells the application that part of the surface changed without a repaint (direct canvas drawing).
    void surfaceChanged(gfx::Rect r);
    // A canvas straight on the window surface.
    gfx::Canvas canvas();

    void widgetHidden(Widget& w);

    // Adds the window's own state variables to a state report's "screen" object.
    std::function<void(nlohmann::json& screen)> describeScreen = [](nlohmann::json&) {};
    // The text the window shows, as UTF-8 lines, which Ctrl+C puts on the clipboard; unset where
    // a window shows no text to copy.
    std::function<std::string()> copyText;

private:
    friend class Application;
    // The display area the window covers has changed (shown, hidden, moved, resized, raised).
    void outerChanged();
    void paintFrame(gfx::Bitmap& display, gfx::Rect clip) const;
    // Draws the window onto the display, only within `clip`.
    void drawOnDisplay(gfx::Bitmap& display, gfx::Rect clip);

    std::string className_;
    BorderStyle border_ = BorderStyle::none;
    WindowState state_ = WindowState::normal;
    bool stayOnTop_ = false;
    bool released_ = false;
    bool modal_ = false;
    gfx::Point position_;
    gfx::Bitmap surface_;
    gfx::Region dirty_;  // what needs repainting, exactly: two separate areas are not their union
    gfx::CanvasState canvasState_;
    Ref<Widget> focus_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace vemra::ui
