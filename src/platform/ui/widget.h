#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/input.h"
#include "platform/ui/ref.h"

namespace vemra::ui {

class Window;

using NotifyEvent = std::function<void(class Widget& sender)>;
using MouseEvent = std::function<void(Widget& sender, MouseButton button, unsigned shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Widget& sender, unsigned shift, int x, int y)>;
using KeyEvent = std::function<void(Widget& sender, int& key, unsigned shift)>;
using KeyPressEvent = std::function<void(Widget& sender, std::uint8_t& ch)>;

// Base of windows and controls: a named rectangle in its parent, with children above it in
// creation order (later ones on top), mouse and key events, and painting into its window's surface.
class Widget {
public:
    Widget(Widget* parent, std::string name);
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    const std::string& name() const { return name_; }
    virtual std::string_view kind() const = 0;
    const Lifetime& lifetime() const { return lifetime_; }

    Widget* parent() const { return parent_; }
    Window* window();
    const Window* window() const;
    const std::vector<std::unique_ptr<Widget>>& children() const { return children_; }
    Widget* find(std::string_view name);

    template <class T, class... Args>
    T& add(std::string name, Args&&... args) {
        auto child = std::make_unique<T>(this, std::move(name), std::forward<Args>(args)...);
        T& ref = *child;
        children_.push_back(std::move(child));
        ref.invalidate();
        return ref;
    }

    gfx::Rect bounds() const { return bounds_; }
    virtual void setBounds(gfx::Rect r);
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
    // This widget's rectangle in its window's client coordinates.
    gfx::Rect rectInWindow() const;
    // The part of the window that drawing on this widget may touch (its rectangle cut by clipping parents).
    gfx::Rect visibleRectInWindow() const;

    bool visible() const { return visible_; }
    virtual void setVisible(bool v);
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool e);
    // Visible itself and every parent up to the window.
    bool showing() const;
    bool enabledInTree() const;

    int tag = 0;
    std::string hint;
    bool showHint = false;
    int cursor = 0;

    void bringToFront();
    void sendToBack();

    // Marks the widget's area for repainting at the next paint; repaint() paints it now.
    void invalidate();
    void invalidateRect(gfx::Rect local);
    void repaint();

    // Paints this widget alone at `at` (its window position), touching only `clip`.
    virtual void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip);
    virtual bool clipsChildren() const { return false; }
    virtual bool acceptsFocus() const { return false; }
    bool focused() const;
    void setFocus();

    NotifyEvent onClick, onDblClick;
    MouseEvent onMouseDown, onMouseUp;
    MouseMoveEvent onMouseMove;
    KeyEvent onKeyDown;
    KeyPressEvent onKeyPress;
    // A character beyond ASCII typed while the control has the focus (a desktop keyboard set to
    // another language, or a paste); controls without it do not take such characters.
    std::function<void(Widget&, char32_t)> onCharacter;

    // What the toolkit calls on input; controls extend them with their own behaviour.
    virtual void mouseDown(MouseButton button, unsigned shift, gfx::Point local);
    virtual void mouseUp(MouseButton button, unsigned shift, gfx::Point local);
    virtual void mouseMove(unsigned shift, gfx::Point local);
    virtual void click();
    virtual void dblClick();
    virtual void keyDown(int& key, unsigned shift);
    virtual void keyPress(std::uint8_t& ch);
    // Adds what a script's state report shows of this widget to `out` (common fields are written
    // by the base; controls add their caption, font colour and own state).
    virtual void describe(nlohmann::json& out) const;

    // Called by the focus owner when focus arrives or leaves.
    virtual void focusChanged() { invalidate(); }

protected:
    void paintChildren(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip);
    friend class Window;

    gfx::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;

private:
    std::string name_;
    Widget* parent_ = nullptr;
    std::vector<std::unique_ptr<Widget>> children_;
    Lifetime lifetime_;
};

// The topmost visible, enabled widget at `p` (in `root`'s own coordinates), or root itself.
Widget* widgetAt(Widget& root, gfx::Point p);

}  // namespace vemra::ui
