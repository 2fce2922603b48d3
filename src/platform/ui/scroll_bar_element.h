#pragma once

#include <functional>
#include <optional>

#include "platform/gfx/bitmap.h"
#include "platform/ui/timer.h"

namespace vemra::ui {

// What a scroll action was; horizontal bars use the same codes (lineUp = one step left).
enum class ScrollCode { lineUp, lineDown, pageUp, pageDown, thumbPosition, thumbTrack, top, bottom, endScroll };
enum class Orientation { horizontal, vertical };

// The positions a bar stands for. page > 0 sizes the thumb in proportion to it (a page out of
// max - min + page); page 0 gives a square thumb. A bar with max <= min is inactive.
struct ScrollRange {
    int min = 0;
    int max = 0;
    int position = 0;
    int page = 0;
};

// Where an action moves a position: line and page steps, the thumb's position, the ends; kept
// within the range.
int positionAfter(ScrollCode code, const ScrollRange& range, int line, int page, int thumbPos);

// The action a key takes on a bar of that orientation (arrows along it, Page Up/Down, Home, End).
std::optional<ScrollCode> scrollCodeOfKey(int key, Orientation o);

// A scroll bar drawn and operated inside a control: square arrow buttons at both ends, the track
// and the thumb. A press on an arrow or the track acts at once and repeats while held (first repeat
// after 400 ms, then every 50 ms) as long as the pointer stays on that part; dragging the thumb
// tracks; the release ends with thumbPosition (after a drag) and endScroll.
class ScrollBarElement {
public:
    static constexpr int firstRepeatMs = 400;
    static constexpr int repeatMs = 50;
    static constexpr int minThumb = 8;

    // Hears every action; thumbPos is the position the thumb stands for (thumb codes only).
    using Action = std::function<void(ScrollCode code, int thumbPos)>;

    ScrollBarElement(Orientation orientation, Action action);

    // Where the bar lies in its control (local coordinates) and what it shows.
    void place(gfx::Rect rect, ScrollRange range);
    gfx::Rect rect() const { return rect_; }

    // `at` is the control's position on the surface.
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) const;

    // Mouse input in the control's local coordinates. mouseDown takes the press when it falls on
    // the bar; the others return whether the bar is tracking a press.
    bool mouseDown(gfx::Point p);
    bool mouseMove(gfx::Point p);
    bool mouseUp(gfx::Point p);

private:
    enum class Part { none, lineBack, lineForward, pageBack, pageForward, thumb };
    struct Span {
        int start = 0;
        int size = 0;
    };

    bool active() const { return range_.max > range_.min; }
    int length() const;
    int thickness() const;
    int arrowSize() const;
    Span track() const;
    Span thumb() const;
    int along(gfx::Point p) const;
    gfx::Rect spanRect(Span s) const;
    Part partAt(gfx::Point p) const;
    int positionForThumbAt(int start) const;
    void act();
    void repeat();
    void paintArrow(gfx::Bitmap& surface, gfx::Rect r, gfx::Rect clip, bool back, bool down) const;

    Orientation orientation_;
    Action action_;
    gfx::Rect rect_;
    ScrollRange range_;
    Part pressed_ = Part::none;
    gfx::Point pointer_;
    int grab_ = 0;        // the pointer's distance from the thumb's start while dragging
    int trackPos_ = 0;    // the position the dragged thumb stands for
    Timer repeat_;
};

}  // namespace vemra::ui
