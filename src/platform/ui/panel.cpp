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

void Panel::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    surface.fill(clip, color_);
    gfx::drawBevel(surface, {at.x, at.y, width(), height()}, clip, bevel_);
}

}  // namespace vemra::ui
