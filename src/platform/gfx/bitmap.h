#pragma once

#include <cstdint>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace vemra::gfx {

// A 32-bit 0x00RRGGBB pixel buffer. Every operation clips to the bitmap.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill = colors::white);

    int width() const { return width_; }
    int height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    Pixel pixel(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
    void setPixel(int x, int y, Pixel p) { pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = p; }
    Pixel* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const Pixel* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const std::vector<Pixel>& pixels() const { return pixels_; }

    void fill(Rect r, Color c);
    // Plain source copy of src's srcRect to dst's dstRect, stretching when the sizes differ
    // (nearest neighbour); only the part inside `clip` (in this bitmap) is written.
    void copyFrom(const Bitmap& src, Rect srcRect, Rect dstRect, Rect clip);
    void copyFrom(const Bitmap& src, Rect srcRect, Point dst) {
        copyFrom(src, srcRect, {dst.x, dst.y, srcRect.width, srcRect.height}, bounds());
    }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace vemra::gfx
