#pragma once

#include <optional>

#include "platform/gfx/bevel.h"
#include "platform/ui/widget.h"

namespace vemra::ui {

// A filled rectangle that holds and clips other controls.
class Panel : public Widget {
public:
    using Widget::Widget;
    std::string_view kind() const override { return "panel"; }

    gfx::Color color() const { return color_; }
    void setColor(gfx::Color c);
    void setBevel(gfx::Bevel b);
    // A video picture shown stretched over the whole panel instead of its colour; none to clear.
    const std::optional<gfx::Bitmap>& frame() const { return frame_; }
    void setFrame(std::optional<gfx::Bitmap> frame);

    bool clipsChildren() const override { return true; }
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;

private:
    gfx::Color color_ = gfx::colors::buttonFace;
    gfx::Bevel bevel_ = gfx::Bevel::none;
    std::optional<gfx::Bitmap> frame_;
};

}  // namespace vemra::ui
