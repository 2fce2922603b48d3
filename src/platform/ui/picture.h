#pragma once

#include <optional>

#include "platform/ui/widget.h"

namespace vemra::ui {

// A picture control. Without a bitmap it draws nothing, so what lies beneath shows through.
// Drawing on its canvas writes into its own bitmap, creating one of the control's size first.
class Picture : public Widget {
public:
    using Widget::Widget;
    std::string_view kind() const override { return "picture"; }

    bool hasBitmap() const { return bitmap_.has_value(); }
    const gfx::Bitmap* bitmap() const { return bitmap_ ? &*bitmap_ : nullptr; }
    void setBitmap(gfx::Bitmap b);
    void clear();

    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    // Sized to its bitmap whenever one is set.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);

    gfx::Canvas canvas();

    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;

private:
    std::optional<gfx::Bitmap> bitmap_;
    bool stretch_ = false;
    bool autoSize_ = false;
    gfx::CanvasState canvasState_;
};

}  // namespace vemra::ui
