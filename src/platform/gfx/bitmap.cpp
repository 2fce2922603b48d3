#include "platform/gfx/bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace vemra::gfx {

namespace {
constexpr int maxSide = 16384;
}

Bitmap::Bitmap(int width, int height, Color fill) {
    if (width < 0 || height < 0 || width > maxSide || height > maxSide)
        throw std::invalid_argument("bitmap size out of range");
    width_ = width;
    height_ = height;
    pixels_.assign(std::size_t(width) * std::size_t(height), fill.pixel());
}

void Bitmap::fill(Rect r, Color c) {
    r = r.intersected(bounds());
    const Pixel p = c.pixel();
    for (int y = r.top; y < r.bottom(); ++y) std::fill(row(y) + r.left, row(y) + r.right(), p);
}

void Bitmap::copyFrom(const Bitmap& src, Rect srcRect, Rect dstRect, Rect clip) {
    if (srcRect.empty() || dstRect.empty()) return;
    if (&src == this) {  // overlapping copy within one bitmap: read from a snapshot
        const Bitmap snapshot = src;
        copyFrom(snapshot, srcRect, dstRect, clip);
        return;
    }
    const Rect target = dstRect.intersected(clip).intersected(bounds());
    if (target.empty()) return;
    const bool same = srcRect.width == dstRect.width && srcRect.height == dstRect.height;
    if (same) {  // row by row; only the part that lies inside the source
        const int dx = srcRect.left - dstRect.left, dy = srcRect.top - dstRect.top;
        const Rect inSource = target.translated(dx, dy).intersected(src.bounds());
        for (int sy = inSource.top; sy < inSource.bottom(); ++sy)
            std::copy_n(src.row(sy) + inSource.left, inSource.width, row(sy - dy) + inSource.left - dx);
        return;
    }
    for (int y = target.top; y < target.bottom(); ++y) {
        const int sy = srcRect.top + int((long long)(y - dstRect.top) * srcRect.height / dstRect.height);
        if (sy < 0 || sy >= src.height()) continue;
        Pixel* out = row(y);
        const Pixel* in = src.row(sy);
        if (same) {  // one block per row
            const int dx = srcRect.left - dstRect.left;
            const int from = std::max(target.left, -dx), to = std::min(target.right(), src.width() - dx);
            if (from < to) std::copy(in + from + dx, in + to + dx, out + from);
            continue;
        }
        for (int x = target.left; x < target.right(); ++x) {
            const int sx = srcRect.left + int((long long)(x - dstRect.left) * srcRect.width / dstRect.width);
            if (sx < 0 || sx >= src.width()) continue;
            out[x] = in[sx];
        }
    }
}

}  // namespace vemra::gfx
