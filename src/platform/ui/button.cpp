#include "platform/ui/button.h"

#include <nlohmann/json.hpp>

#include "platform/ui/hex.h"
#include "platform/gfx/bevel.h"
#include "platform/gfx/font.h"

namespace vemra::ui {

Button::Button(Widget* parent, std::string name, std::string caption)
    : Widget(parent, std::move(name)), caption_(std::move(caption)) {}

void Button::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    const gfx::Rect r{at.x, at.y, width(), height()};
    surface.fill(clip, gfx::colors::buttonFace);
    gfx::drawBevel(surface, r, clip, pressed_ ? gfx::Bevel::lowered : gfx::Bevel::raised);
    if (focused()) surface.fill(gfx::Rect{r.left + 3, r.bottom() - 4, r.width - 6, 1}.intersected(clip), gfx::colors::black);
    const auto f = gfx::FontLibrary::shared().font({});
    const int shift = pressed_ ? 1 : 0;
    f->drawText(surface, clip, r.left + (r.width - f->textWidth(caption_)) / 2 + shift,
                r.top + (r.height - f->lineHeight()) / 2 + shift, caption_, gfx::colors::windowText);
}

void Button::mouseDown(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left) {
        pressed_ = true;
        invalidate();
    }
    Widget::mouseDown(button, shift, local);
}

void Button::mouseUp(MouseButton button, unsigned shift, gfx::Point local) {
    if (pressed_) {
        pressed_ = false;
        invalidate();
    }
    Widget::mouseUp(button, shift, local);
}

void Button::keyDown(int& key, unsigned shift) {
    Widget::keyDown(key, shift);
    if (key == vk::enter || key == vk::space) {
        key = 0;
        click();
    }
}

void Button::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["caption"] = hexBytes(caption_);
}

}  // namespace vemra::ui
