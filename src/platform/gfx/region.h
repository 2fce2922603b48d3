#pragma once

#include <vector>

#include "platform/gfx/geometry.h"

namespace vemra::gfx {

// A set of pixels kept as disjoint rectangles: adding a rectangle adds exactly its pixels, so two
// separate areas never stand for everything between them.
class Region {
public:
    void add(Rect r);
    void clear() { rects_.clear(); }
    bool empty() const { return rects_.empty(); }
    const std::vector<Rect>& rects() const { return rects_; }
    Rect bounds() const;
    bool contains(Point p) const;

private:
    std::vector<Rect> rects_;
};

// The parts of `r` outside `cut`: up to four rectangles (above, below, left, right).
std::vector<Rect> subtracted(const Rect& r, const Rect& cut);

}  // namespace vemra::gfx
