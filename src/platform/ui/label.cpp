#include "platform/ui/label.h"

#include <nlohmann/json.hpp>

#include "platform/ui/hex.h"
#include "platform/ui/window.h"

namespace vemra::ui {

Label::Label(Widget* parent, std::string name) : Widget(parent, std::move(name)) { canvasState_.brushClear = true; }

void Label::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    fitWidth();
    invalidate();
}

void Label::setFont(gfx::FontSpec f) {
    font_ = std::move(f);
    fitWidth();
    invalidate();
}

void Label::setColor(gfx::Color c) {
    color_ = c;
    invalidate();
}

void Label::setTransparent(bool t) {
    transparent_ = t;
    invalidate();
}

void Label::setAlignment(Alignment a) {
    alignment_ = a;
    invalidate();
}

void Label::setAutoSize(bool a) {
    autoSize_ = a;
    fitWidth();
}

void Label::fitWidth() {
    if (!autoSize_) return;
    const auto f = gfx::FontLibrary::shared().font(font_);
    setBounds({left(), top(), f->textWidth(caption_), f->lineHeight()});
}

gfx::Canvas Label::canvas() {
    canvasState_.font = font_;
    Window* w = window();
    const gfx::Rect at = rectInWindow();
    return gfx::Canvas(w->surface(), at.origin(), visibleRectInWindow(), canvasState_,
                       [w](gfx::Rect r) { w->surfaceChanged(r); });
}

void Label::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    if (!transparent_) surface.fill(clip, color_);
    if (caption_.empty()) return;
    const auto f = gfx::FontLibrary::shared().font(font_);
    const int textWidth = f->textWidth(caption_);
    int x = at.x;
    if (alignment_ == Alignment::right) x = at.x + width() - textWidth;
    if (alignment_ == Alignment::center) x = at.x + (width() - textWidth) / 2;
    f->drawText(surface, clip, x, at.y, caption_, font_.color);
}

void Label::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["caption"] = hexBytes(caption_);
    out["color"] = colorHex(font_.color);
    out["transparent"] = transparent_;
}

}  // namespace vemra::ui
