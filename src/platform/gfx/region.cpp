#include "platform/gfx/region.h"

#include <algorithm>

namespace vemra::gfx {

std::vector<Rect> subtracted(const Rect& r, const Rect& cut) {
    const Rect overlap = r.intersected(cut);
    if (overlap.empty()) return {r};
    std::vector<Rect> parts;
    const auto keep = [&](Rect part) {
        if (!part.empty()) parts.push_back(part);
    };
    keep(Rect::fromEdges(r.left, r.top, r.right(), overlap.top));
    keep(Rect::fromEdges(r.left, overlap.bottom(), r.right(), r.bottom()));
    keep(Rect::fromEdges(r.left, overlap.top, overlap.left, overlap.bottom()));
    keep(Rect::fromEdges(overlap.right(), overlap.top, r.right(), overlap.bottom()));
    return parts;
}

void Region::add(Rect r) {
    if (r.empty()) return;
    // Rectangles the new one covers go; what is left of the new one outside the others is added.
    std::erase_if(rects_, [&](const Rect& old) { return old.intersected(r) == old; });
    std::vector<Rect> pieces{r};
    for (const Rect& old : rects_) {
        std::vector<Rect> next;
        for (const Rect& piece : pieces) {
            auto rest = subtracted(piece, old);
            next.insert(next.end(), rest.begin(), rest.end());
        }
        pieces = std::move(next);
        if (pieces.empty()) return;
    }
    rects_.insert(rects_.end(), pieces.begin(), pieces.end());
}

Rect Region::bounds() const {
    Rect all;
    for (const Rect& r : rects_) all = all.united(r);
    return all;
}

bool Region::contains(Point p) const {
    return std::any_of(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.contains(p); });
}

}  // namespace vemra::gfx
