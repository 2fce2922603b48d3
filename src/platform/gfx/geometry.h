#pragma once

#include <algorithm>

namespace vemra::gfx {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left, top, width and height; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    static Rect fromEdges(int l, int t, int r, int b) { return {l, t, r - l, b - t}; }

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
    Point origin() const { return {left, top}; }
    Size size() const { return {width, height}; }

    Rect translated(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    Rect intersected(const Rect& o) const {
        const int l = std::max(left, o.left), t = std::max(top, o.top);
        const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        if (r <= l || b <= t) return {l, t, 0, 0};
        return fromEdges(l, t, r, b);
    }
    Rect united(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        return fromEdges(std::min(left, o.left), std::min(top, o.top), std::max(right(), o.right()),
                         std::max(bottom(), o.bottom()));
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace vemra::gfx
