#pragma once

#include <functional>
#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"

namespace vemra::gfx {

// The drawing tools a canvas keeps between uses (the font and the brush).
struct CanvasState {
    FontSpec font;
    bool brushClear = false;  // text out leaves the background as it is
    Color brushColor = colors::white;
};

// A drawing surface over part of a bitmap: coordinates are relative to `origin`, writes are
// clipped to `clip` (in bitmap coordinates), and `changed` hears of every rectangle written.
class Canvas {
public:
    using ChangeHook = std::function<void(Rect bitmapRect)>;

    Canvas(Bitmap& target, Point origin, Rect clip, CanvasState& state, ChangeHook changed = {});

    CanvasState& state() { return state_; }
    FontSpec& font() { return state_.font; }
    Size size() const { return {clip_.width, clip_.height}; }
    // The part of the canvas's own coordinates that drawing can reach.
    Rect visible() const { return clip_.translated(-origin_.x, -origin_.y); }

    // Plain source copy (stretched when the rectangles differ in size).
    void copyRect(Rect dst, const Canvas& src, Rect srcRect);
    void fillRect(Rect r);
    void fillRect(Rect r, Color c);
    void textOut(int x, int y, std::string_view bytes);
    void drawGlyph(int x, int y, std::uint8_t code);
    int textWidth(std::string_view bytes) const;
    int textHeight() const;
    int advance(std::uint8_t code) const;
    Color pixel(int x, int y) const;

private:
    Rect toBitmap(Rect r) const { return r.translated(origin_.x, origin_.y); }
    void notify(Rect bitmapRect);
    std::shared_ptr<const Font> currentFont() const;

    Bitmap& target_;
    Point origin_;
    Rect clip_;
    CanvasState& state_;
    ChangeHook changed_;
};

}  // namespace vemra::gfx
