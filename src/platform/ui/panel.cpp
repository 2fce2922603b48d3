#include "platform/ui/panel.h"

namespace vemra::ui {

void Panel::setColor(gfx::Color c) {
    color_ = c;
    invalidate();
}

void Panel::setBevel(gfx::Bevel b) {
    bevel_ = b;
    invalidate();
}

void Panel::setFrame(std::optional<gfx::Bitmap> frame) {
    frame_ = std::move(frame);
    invalidate();
}

void Panel::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    if (frame_ && !frame_->empty())
        surface.copyFrom(*frame_, frame_->bounds(), {at.x, at.y, width(), height()}, clip);
    else
        surface.fill(clip, color_);
    gfx::drawBevel(surface, {at.x, at.y, width(), height()}, clip, bevel_);
}

}  // namespace vemra::ui
