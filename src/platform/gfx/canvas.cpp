#include "platform/gfx/canvas.h"

namespace vemra::gfx {

Canvas::Canvas(Bitmap& target, Point origin, Rect clip, CanvasState& state, ChangeHook changed)
    : target_(target), origin_(origin), clip_(clip.intersected(target.bounds())), state_(state),
      changed_(std::move(changed)) {}

void Canvas::notify(Rect bitmapRect) {
    const Rect r = bitmapRect.intersected(clip_);
    if (!r.empty() && changed_) changed_(r);
}

std::shared_ptr<const Font> Canvas::currentFont() const { return FontLibrary::shared().font(state_.font); }

void Canvas::copyRect(Rect dst, const Canvas& src, Rect srcRect) {
    const Rect d = toBitmap(dst);
    target_.copyFrom(src.target_, src.toBitmap(srcRect), d, clip_);
    notify(d);
}

void Canvas::fillRect(Rect r) { fillRect(r, state_.brushColor); }

void Canvas::fillRect(Rect r, Color c) {
    const Rect d = toBitmap(r).intersected(clip_);
    target_.fill(d, c);
    notify(d);
}

void Canvas::textOut(int x, int y, std::string_view bytes) {
    const auto f = currentFont();
    const Rect cell = toBitmap({x, y, f->textWidth(bytes), f->lineHeight()});
    if (!state_.brushClear) target_.fill(cell.intersected(clip_), state_.brushColor);
    f->drawText(target_, clip_, cell.left, cell.top, bytes, state_.font.color);
    notify(cell);
}

void Canvas::drawGlyph(int x, int y, std::uint8_t code) {
    const auto f = currentFont();
    const Rect cell = toBitmap({x, y, f->advance(code), f->lineHeight()});
    if (!state_.brushClear) target_.fill(cell.intersected(clip_), state_.brushColor);
    f->drawGlyph(target_, clip_, cell.left, cell.top, code, state_.font.color);
    // A glyph may overhang its advance (zero-advance marks have none): report its whole line cell.
    notify({cell.left - f->lineHeight(), cell.top, cell.width + 2 * f->lineHeight(), cell.height});
}

int Canvas::textWidth(std::string_view bytes) const { return currentFont()->textWidth(bytes); }
int Canvas::textHeight() const { return currentFont()->lineHeight(); }
int Canvas::advance(std::uint8_t code) const { return currentFont()->advance(code); }

Color Canvas::pixel(int x, int y) const {
    const Point p{x + origin_.x, y + origin_.y};
    if (!target_.bounds().contains(p)) return colors::black;
    return Color::fromPixel(target_.pixel(p.x, p.y));
}

}  // namespace vemra::gfx
