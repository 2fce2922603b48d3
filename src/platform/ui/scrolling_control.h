#pragma once

#include <string>

#include "platform/ui/scroll_bar_element.h"
#include "platform/ui/widget.h"

namespace vemra::ui {

// Base of the list box and the memo: a sunken border around a content area, with a vertical
// scroll bar along the right edge and a horizontal one along the bottom when the control shows
// them. Presses on the bars scroll; they are neither clicks nor mouse events of the control.
class ScrollingControl : public Widget {
public:
    static constexpr int borderWidth = 2;
    static constexpr int barWidth = 16;

    bool acceptsFocus() const override { return true; }
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;
    void mouseDown(MouseButton button, unsigned shift, gfx::Point local) override;
    void mouseMove(unsigned shift, gfx::Point local) override;
    void mouseUp(MouseButton button, unsigned shift, gfx::Point local) override;
    void click() override;
    void dblClick() override;

protected:
    ScrollingControl(Widget* parent, std::string name);

    // Inside the border, and that minus the bars shown (local coordinates).
    gfx::Rect innerRect() const;
    gfx::Rect contentRect() const;

    // Whether a bar shows; must not depend on contentRect().
    virtual bool showsBar(Orientation o) const = 0;
    virtual ScrollRange barRange(Orientation o) const = 0;
    // A scroll action from a bar; the control moves its content and repaints itself.
    virtual void barScrolled(Orientation o, ScrollCode code, int thumbPos) = 0;
    // Draws the content into `content` (surface coordinates), touching only clip.
    virtual void paintContent(gfx::Bitmap& surface, gfx::Rect content, gfx::Rect clip) = 0;
    // The pointer at `local` while the left button is held down on the content.
    virtual void pointerOnContent(gfx::Point) {}

private:
    void updateBars();
    void scrolled(Orientation o, ScrollCode code, int thumbPos);

    ScrollBarElement vertical_;
    ScrollBarElement horizontal_;
    bool pressOnBar_ = false;
    bool contentHeld_ = false;
};

}  // namespace vemra::ui
