#include "platform/ui/scroll_bar_element.h"

#include <algorithm>
#include <cstdint>

#include "platform/gfx/bevel.h"
#include "platform/ui/input.h"

namespace vemra::ui {

namespace {
constexpr gfx::Color greyedArrow{128, 128, 128};
}

std::optional<ScrollCode> scrollCodeOfKey(int key, Orientation o) {
    const bool vertical = o == Orientation::vertical;
    switch (key) {
    case vk::up: return vertical ? std::optional(ScrollCode::lineUp) : std::nullopt;
    case vk::down: return vertical ? std::optional(ScrollCode::lineDown) : std::nullopt;
    case vk::left: return vertical ? std::nullopt : std::optional(ScrollCode::lineUp);
    case vk::right: return vertical ? std::nullopt : std::optional(ScrollCode::lineDown);
    case vk::prior: return ScrollCode::pageUp;
    case vk::next: return ScrollCode::pageDown;
    case vk::home: return ScrollCode::top;
    case vk::end: return ScrollCode::bottom;
    default: return std::nullopt;
    }
}

int positionAfter(ScrollCode code, const ScrollRange& range, int line, int page, int thumbPos) {
    std::int64_t pos = range.position;
    switch (code) {
    case ScrollCode::lineUp: pos -= line; break;
    case ScrollCode::lineDown: pos += line; break;
    case ScrollCode::pageUp: pos -= page; break;
    case ScrollCode::pageDown: pos += page; break;
    case ScrollCode::thumbPosition:
    case ScrollCode::thumbTrack: pos = thumbPos; break;
    case ScrollCode::top: pos = range.min; break;
    case ScrollCode::bottom: pos = range.max; break;
    case ScrollCode::endScroll: break;
    }
    return int(std::max<std::int64_t>(range.min, std::min<std::int64_t>(pos, range.max)));
}

ScrollBarElement::ScrollBarElement(Orientation orientation, Action action)
    : orientation_(orientation), action_(std::move(action)), repeat_("scroll repeat", firstRepeatMs, false) {
    repeat_.onTimer = [this](Timer&) { repeat(); };
}

void ScrollBarElement::place(gfx::Rect rect, ScrollRange range) {
    rect_ = rect;
    range_ = range;
}

int ScrollBarElement::length() const { return orientation_ == Orientation::horizontal ? rect_.width : rect_.height; }
int ScrollBarElement::thickness() const { return orientation_ == Orientation::horizontal ? rect_.height : rect_.width; }
int ScrollBarElement::arrowSize() const { return std::max(0, std::min(thickness(), length() / 2)); }

ScrollBarElement::Span ScrollBarElement::track() const { return {arrowSize(), length() - 2 * arrowSize()}; }

ScrollBarElement::Span ScrollBarElement::thumb() const {
    if (!active()) return {};
    const Span t = track();
    const std::int64_t span = std::int64_t(range_.max) - range_.min;
    const int size = range_.page > 0 ? std::max<int>(minThumb, int(t.size * std::int64_t(range_.page) / (span + range_.page)))
                                     : thickness();
    if (size > t.size) return {};
    const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t(range_.position) - range_.min, 0, span);
    return {t.start + int((t.size - size) * offset / span), size};
}

int ScrollBarElement::along(gfx::Point p) const {
    return orientation_ == Orientation::horizontal ? p.x - rect_.left : p.y - rect_.top;
}

gfx::Rect ScrollBarElement::spanRect(Span s) const {
    if (orientation_ == Orientation::horizontal) return {rect_.left + s.start, rect_.top, s.size, rect_.height};
    return {rect_.left, rect_.top + s.start, rect_.width, s.size};
}

ScrollBarElement::Part ScrollBarElement::partAt(gfx::Point p) const {
    if (!rect_.contains(p)) return Part::none;
    const int a = along(p);
    if (a < arrowSize()) return Part::lineBack;
    if (a >= length() - arrowSize()) return Part::lineForward;
    const Span th = thumb();
    if (th.size == 0) return Part::none;
    if (a < th.start) return Part::pageBack;
    if (a >= th.start + th.size) return Part::pageForward;
    return Part::thumb;
}

int ScrollBarElement::positionForThumbAt(int start) const {
    const Span t = track();
    const std::int64_t free = t.size - thumb().size;
    if (free <= 0) return range_.position;
    const std::int64_t offset = std::clamp<std::int64_t>(start - t.start, 0, free);
    const std::int64_t span = std::int64_t(range_.max) - range_.min;
    return int(range_.min + (2 * offset * span + free) / (2 * free));
}

void ScrollBarElement::act() {
    if (!active()) return;
    switch (pressed_) {
    case Part::lineBack: action_(ScrollCode::lineUp, range_.position); break;
    case Part::lineForward: action_(ScrollCode::lineDown, range_.position); break;
    case Part::pageBack: action_(ScrollCode::pageUp, range_.position); break;
    case Part::pageForward: action_(ScrollCode::pageDown, range_.position); break;
    case Part::thumb:
    case Part::none: break;
    }
}

void ScrollBarElement::repeat() {
    repeat_.setInterval(repeatMs);
    if (partAt(pointer_) == pressed_) act();
}

bool ScrollBarElement::mouseDown(gfx::Point p) {
    if (!rect_.contains(p)) return false;
    pointer_ = p;
    pressed_ = active() ? partAt(p) : Part::none;
    if (pressed_ == Part::thumb) {
        grab_ = along(p) - thumb().start;
        trackPos_ = range_.position;
    } else if (pressed_ != Part::none) {
        repeat_.setInterval(firstRepeatMs);
        repeat_.setEnabled(true);
        act();
    }
    return true;
}

bool ScrollBarElement::mouseMove(gfx::Point p) {
    if (pressed_ == Part::none) return false;
    pointer_ = p;
    if (pressed_ == Part::thumb) {
        const int pos = positionForThumbAt(along(p) - grab_);
        if (pos != trackPos_) {
            trackPos_ = pos;
            action_(ScrollCode::thumbTrack, pos);
        }
    }
    return true;
}

bool ScrollBarElement::mouseUp(gfx::Point p) {
    if (pressed_ == Part::none) return false;
    pointer_ = p;
    const Part was = pressed_;
    pressed_ = Part::none;
    repeat_.setEnabled(false);
    if (was == Part::thumb) action_(ScrollCode::thumbPosition, trackPos_);
    action_(ScrollCode::endScroll, range_.position);
    return true;
}

void ScrollBarElement::paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) const {
    const gfx::Rect whole = rect_.translated(at.x, at.y).intersected(clip).intersected(surface.bounds());
    for (int y = whole.top; y < whole.bottom(); ++y) {  // the track's dotted grey
        gfx::Pixel* row = surface.row(y);
        for (int x = whole.left; x < whole.right(); ++x)
            row[x] = ((x + y) & 1 ? gfx::colors::white : gfx::colors::buttonFace).pixel();
    }
    const bool held = partAt(pointer_) == pressed_;
    const Span back{0, arrowSize()}, forward{length() - arrowSize(), arrowSize()};
    paintArrow(surface, spanRect(back).translated(at.x, at.y), clip, true, held && pressed_ == Part::lineBack);
    paintArrow(surface, spanRect(forward).translated(at.x, at.y), clip, false, held && pressed_ == Part::lineForward);
    if (const Span th = thumb(); th.size > 0) {
        const gfx::Rect r = spanRect(th).translated(at.x, at.y);
        surface.fill(r.intersected(clip), gfx::colors::buttonFace);
        gfx::drawBevel(surface, r, clip, gfx::Bevel::raised);
    }
}

void ScrollBarElement::paintArrow(gfx::Bitmap& surface, gfx::Rect r, gfx::Rect clip, bool back, bool down) const {
    if (r.empty()) return;
    surface.fill(r.intersected(clip), gfx::colors::buttonFace);
    gfx::drawBevel(surface, r, clip, down ? gfx::Bevel::lowered : gfx::Bevel::raised);
    const bool horizontal = orientation_ == Orientation::horizontal;
    const int shift = down ? 1 : 0;
    const int h = std::max(2, (std::min(r.width, r.height) + 1) / 4);  // the triangle's depth
    const int tipAlong = (horizontal ? r.left + r.width / 2 : r.top + r.height / 2) - h / 2 + shift;
    const int across = (horizontal ? r.top + r.height / 2 : r.left + r.width / 2) + shift;
    const gfx::Color ink = active() ? gfx::colors::black : greyedArrow;
    for (int i = 0; i < h; ++i) {  // row i of the triangle is 2i + 1 pixels wide, the tip pointing outwards
        const int a = tipAlong + (back ? i : h - 1 - i);
        const gfx::Rect line = horizontal ? gfx::Rect{a, across - i, 1, 2 * i + 1} : gfx::Rect{across - i, a, 2 * i + 1, 1};
        surface.fill(line.intersected(clip), ink);
    }
}

}  // namespace vemra::ui
