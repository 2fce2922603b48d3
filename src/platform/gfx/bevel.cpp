#include "platform/gfx/bevel.h"

namespace vemra::gfx {

namespace {
constexpr Color light{255, 255, 255};
constexpr Color shadow{128, 128, 128};
constexpr Color darkShadow{64, 64, 64};
constexpr Color face{223, 223, 223};

void edge(Bitmap& t, Rect r, Rect clip, Color topLeft, Color bottomRight) {
    t.fill(Rect{r.left, r.top, r.width, 1}.intersected(clip), topLeft);
    t.fill(Rect{r.left, r.top, 1, r.height}.intersected(clip), topLeft);
    t.fill(Rect{r.left, r.bottom() - 1, r.width, 1}.intersected(clip), bottomRight);
    t.fill(Rect{r.right() - 1, r.top, 1, r.height}.intersected(clip), bottomRight);
}
}  // namespace

void drawBevel(Bitmap& target, Rect r, Rect clip, Bevel bevel) {
    if (bevel == Bevel::raised) edge(target, r, clip, light, shadow);
    if (bevel == Bevel::lowered) edge(target, r, clip, shadow, light);
}

void drawSunkenEdge(Bitmap& target, Rect r, Rect clip) {
    edge(target, r, clip, shadow, light);
    edge(target, {r.left + 1, r.top + 1, r.width - 2, r.height - 2}, clip, darkShadow, face);
}

}  // namespace vemra::gfx
