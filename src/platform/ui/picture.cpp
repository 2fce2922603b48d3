#include "platform/ui/picture.h"

namespace vemra::ui {

void Picture::setBitmap(gfx::Bitmap b) {
    bitmap_ = std::move(b);
    if (autoSize_) setBounds({left(), top(), bitmap_->width(), bitmap_->height()});
    invalidate();
}

void Picture::clear() {
    if (!bitmap_) return;
    bitmap_.reset();
    invalidate();
}

void Picture::setStretch(bool s) {
    stretch_ = s;
    invalidate();
}

void Picture::setAutoSize(bool a) {
    autoSize_ = a;
    if (a && bitmap_) setBounds({left(), top(), bitmap_->width(), bitmap_->height()});
}

gfx::Canvas Picture::canvas() {
    if (!bitmap_) bitmap_.emplace(std::max(width(), 1), std::max(height(), 1));
    return gfx::Canvas(*bitmap_, {0, 0}, bitmap_->bounds(), canvasState_, [this](gfx::Rect r) {
        if (stretch_)
            invalidate();
        else
            invalidateRect(r);
    });
}

void Picture::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    if (!bitmap_) return;
    const gfx::Rect dst = stretch_ ? gfx::Rect{at.x, at.y, width(), height()}
                                   : gfx::Rect{at.x, at.y, bitmap_->width(), bitmap_->height()};
    surface.copyFrom(*bitmap_, bitmap_->bounds(), dst, clip);
}

}  // namespace vemra::ui
