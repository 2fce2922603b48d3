#include "platform/ui/edit.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include <nlohmann/json.hpp>

#include "platform/gfx/bevel.h"
#include "platform/ui/hex.h"
#include "platform/ui/text_alignment.h"

namespace vemra::ui {

namespace {
constexpr int borderWidth = 2;
constexpr int margin = 1;  // between the border and the text
std::shared_ptr<const gfx::Font> fontOf(const gfx::FontSpec& request) { return gfx::FontLibrary::shared().font(request); }
}  // namespace

Edit::Edit(Widget* parent, std::string name) : Widget(parent, std::move(name)) {}

void Edit::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    keepCaretVisible();
    if (onChange) onChange(*this);
}

int Edit::selStart() const { return std::min(anchor_, caret_); }
int Edit::selLength() const { return std::abs(caret_ - anchor_); }

void Edit::setSelStart(int start) { moveCaret(start, false); }

void Edit::setSelLength(int length) {
    anchor_ = selStart();
    moveCaret(anchor_ + std::max(0, length), true);
}

void Edit::setAlignment(Alignment a) {
    alignment_ = a;
    keepCaretVisible();
}

void Edit::setFont(gfx::FontSpec f) {
    font_ = std::move(f);
    keepCaretVisible();
}

gfx::Rect Edit::textArea() const {
    const int inset = borderWidth + margin;
    return {inset, borderWidth, width() - 2 * inset, height() - 2 * borderWidth};
}

int Edit::textTop() const {
    const gfx::Rect area = textArea();
    return area.top + std::max(0, (area.height - fontOf(font_)->lineHeight()) / 2);
}

int Edit::textLeft() const {
    const gfx::Rect area = textArea();
    return alignedLeft(alignment_, area.left, area.width, fontOf(font_)->textWidth(text_)) + scroll_;
}

int Edit::boundaryX(int i) const {
    return textLeft() + fontOf(font_)->textWidth(std::string_view(text_).substr(0, std::size_t(i)));
}

int Edit::nearestBoundary(int x) const {
    int best = 0, bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i <= int(text_.size()); ++i)
        if (const int d = std::abs(boundaryX(i) - x); d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    return best;
}

void Edit::moveCaret(int to, bool extend) {
    caret_ = std::clamp(to, 0, int(text_.size()));
    if (!extend) anchor_ = caret_;
    keepCaretVisible();
}

void Edit::keepCaretVisible() {
    const gfx::Rect area = textArea();
    const int textWidth = fontOf(font_)->textWidth(text_);
    const int aligned = alignedLeft(alignment_, area.left, area.width, textWidth);
    // No gap where more of the text could show, then the caret inside the area.
    scroll_ = textWidth <= area.width ? 0 : std::clamp(scroll_, area.right() - textWidth - aligned, area.left - aligned);
    const int caretX = boundaryX(caret_);
    if (caretX < area.left) scroll_ += area.left - caretX;
    if (caretX > area.right()) scroll_ -= caretX - area.right();  // at the very end it stands in the margin
    invalidate();
}

void Edit::replaceSelection(std::string_view with) {
    const int start = selStart(), length = selLength();
    if (length == 0 && with.empty()) return;
    text_.replace(std::size_t(start), std::size_t(length), with);
    anchor_ = caret_ = start + int(with.size());
    keepCaretVisible();
    if (onChange) onChange(*this);
}

void Edit::keyDown(int& key, unsigned shift) {
    Widget::keyDown(key, shift);
    const bool extend = shift & shiftKey;
    switch (key) {
    case vk::left: moveCaret(caret_ - 1, extend); break;
    case vk::right: moveCaret(caret_ + 1, extend); break;
    case vk::home: moveCaret(0, extend); break;
    case vk::end: moveCaret(int(text_.size()), extend); break;
    case vk::del:
        if (selLength() == 0) anchor_ = std::min(caret_ + 1, int(text_.size()));
        replaceSelection({});
        break;
    default: return;
    }
    key = 0;
}

void Edit::keyPress(std::uint8_t& ch) {
    Widget::keyPress(ch);
    if (ch == vk::back) {
        if (selLength() == 0) anchor_ = std::max(caret_ - 1, 0);
        replaceSelection({});
    } else if (ch >= 32 && ch != 127) {
        const bool fits = maxLength_ == 0 || int(text_.size()) - selLength() < maxLength_;
        if (fits) replaceSelection(std::string_view(reinterpret_cast<const char*>(&ch), 1));
    } else {
        return;
    }
    ch = 0;
}

void Edit::mouseDown(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left) {
        selecting_ = true;
        moveCaret(nearestBoundary(local.x), shift & shiftKey);
    }
    Widget::mouseDown(button, shift, local);
}

void Edit::mouseMove(unsigned shift, gfx::Point local) {
    if (selecting_) moveCaret(nearestBoundary(local.x), true);
    Widget::mouseMove(shift, local);
}

void Edit::mouseUp(MouseButton button, unsigned shift, gfx::Point local) {
    if (button == MouseButton::left) selecting_ = false;
    Widget::mouseUp(button, shift, local);
}

void Edit::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) {
    surface.fill(clip, gfx::colors::white);
    gfx::drawSunkenEdge(surface, {at.x, at.y, width(), height()}, clip);
    const auto f = fontOf(font_);
    const gfx::Rect textClip = clip.intersected(textArea().translated(at.x, at.y));
    const int y = at.y + textTop();
    f->drawText(surface, textClip, at.x + textLeft(), y, text_, font_.color);
    if (!focused()) return;
    if (selLength() > 0) {  // the selection in highlight colours
        const int left = at.x + boundaryX(selStart()), right = at.x + boundaryX(selStart() + selLength());
        surface.fill(gfx::Rect{left, y, right - left, f->lineHeight()}.intersected(textClip), gfx::colors::highlight);
        f->drawText(surface, textClip, left, y, std::string_view(text_).substr(std::size_t(selStart()), std::size_t(selLength())),
                    gfx::colors::white);
    }
    const gfx::Rect inside{at.x + borderWidth, at.y + borderWidth, width() - 2 * borderWidth, height() - 2 * borderWidth};
    surface.fill(gfx::Rect{at.x + boundaryX(caret_), y, 1, f->lineHeight()}.intersected(clip).intersected(inside),
                 gfx::colors::black);
}

void Edit::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["caption"] = hexBytes(text_);
    out["color"] = colorHex(font_.color);
    out["selStart"] = selStart();
    out["selLength"] = selLength();
}

}  // namespace vemra::ui
