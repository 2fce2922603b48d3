#include "platform/ui/radio_button.h"

#include <optional>

#include <nlohmann/json.hpp>

#include "platform/ui/hex.h"

namespace vemra::ui {

namespace {
constexpr int captionGap = 4;
constexpr gfx::Color shadow{128, 128, 128}, darkShadow{64, 64, 64}, light{255, 255, 255}, face{223, 223, 223};

// The colour of pixel (x, y) of the round box, or nothing outside the circle.
std::optional<gfx::Color> boxPixel(int x, int y, bool checked) {
    const int dx = 2 * x - (RadioButton::boxSize - 1), dy = 2 * y - (RadioButton::boxSize - 1);
    const int d2 = dx * dx + dy * dy;  // four times the squared distance from the centre
    const bool upperLeft = x + y < RadioButton::boxSize - 1;
    if (d2 <= 16) return checked ? gfx::colors::black : gfx::colors::white;
    if (d2 <= 64) return gfx::colors::white;
    if (d2 <= 100) return upperLeft ? darkShadow : face;
    if (d2 <= 144) return upperLeft ? shadow : light;
    return std::nullopt;
}
}  // namespace

RadioButton::RadioButton(Widget* parent, std::string name) : Widget(parent, std::move(name)) {}

void RadioButton::setCaption(std::string c) {
    caption_ = std::move(c);
    invalidate();
}

void RadioButton::setFont(gfx::FontSpec f) {
    font_ = std::move(f);
    invalidate();
}

void RadioButton::setColor(gfx::Color c) {
    color_ = c;
    invalidate();
}

void RadioButton::setChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    invalidate();
    if (!c || !parent()) return;
    for (auto& sibling : parent()->children())
        if (auto* other = dynamic_cast<RadioButton*>(sibling.get()); other && other != this) other->setChecked(false);
}

void RadioButton::click() {
    setChecked(true);
    Widget::click();
}

void RadioButton::keyDown(int& key, unsigned shift) {
    Widget::keyDown(key, shift);
    if (key != vk::space) return;
    key = 0;
    click();
}

void RadioButton::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    surface.fill(clip, color_);
    const gfx::Point box{at.x, at.y + (height() - boxSize) / 2};
    const gfx::Rect writable = clip.intersected(surface.bounds());
    for (int y = 0; y < boxSize; ++y)
        for (int x = 0; x < boxSize; ++x)
            if (const auto c = boxPixel(x, y, checked_); c && writable.contains({box.x + x, box.y + y}))
                surface.setPixel(box.x + x, box.y + y, c->pixel());
    if (caption_.empty()) return;
    const auto f = gfx::FontLibrary::shared().font(font_);
    f->drawText(surface, clip, at.x + boxSize + captionGap, at.y + (height() - f->lineHeight()) / 2, caption_,
                font_.color);
}

void RadioButton::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["caption"] = hexBytes(caption_);
    out["color"] = colorHex(font_.color);
    out["checked"] = checked_;
}

}  // namespace vemra::ui
