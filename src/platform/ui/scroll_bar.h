#pragma once

#include <functional>
#include <string>

#include "platform/ui/scroll_bar_element.h"
#include "platform/ui/widget.h"

namespace vemra::ui {

// A horizontal scroll bar control over [min, max] with a square thumb (as tall as the bar).
// Every scroll action, by mouse or key, fires onScroll with the position it leads to, which the
// handler may change; the position then becomes that. onChange fires whenever the position
// changes, whether by the user or the program.
class ScrollBar : public Widget {
public:
    using ScrollEvent = std::function<void(ScrollBar& sender, ScrollCode code, int& pos)>;

    ScrollBar(Widget* parent, std::string name);
    std::string_view kind() const override { return "scrollbar"; }

    // Each setter keeps the position within [min, max].
    int min() const { return min_; }
    void setMin(int v);
    int max() const { return max_; }
    void setMax(int v);
    int position() const { return position_; }
    void setPosition(int v);
    int smallChange() const { return smallChange_; }
    void setSmallChange(int v) { smallChange_ = v; }
    int largeChange() const { return largeChange_; }
    void setLargeChange(int v) { largeChange_ = v; }

    ScrollEvent onScroll;
    NotifyEvent onChange;

    bool acceptsFocus() const override { return true; }
    void setBounds(gfx::Rect r) override;
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;
    void mouseDown(MouseButton button, unsigned shift, gfx::Point local) override;
    void mouseMove(unsigned shift, gfx::Point local) override;
    void mouseUp(MouseButton button, unsigned shift, gfx::Point local) override;
    void keyDown(int& key, unsigned shift) override;
    void describe(nlohmann::json& out) const override;

private:
    ScrollRange range() const { return {min_, max_, position_, 0}; }
    void scroll(ScrollCode code, int thumbPos);
    void updateBar();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    ScrollBarElement bar_;
};

}  // namespace vemra::ui
