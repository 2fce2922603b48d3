#include "kit/dib_writer.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "kit/byte_buffer.h"

namespace vemra::kit {

namespace {

constexpr std::size_t maxPaletteSize = 256;

// The colours of the bitmap in ascending order, or nothing when there are more than a palette holds.
std::vector<gfx::Pixel> palette(const gfx::Bitmap& bitmap) {
    std::set<gfx::Pixel> colours;
    for (const gfx::Pixel p : bitmap.pixels()) {
        colours.insert(p & 0xFFFFFF);
        if (colours.size() > maxPaletteSize) return {};
    }
    return {colours.begin(), colours.end()};
}

}  // namespace

std::vector<std::uint8_t> packedDib(const gfx::Bitmap& bitmap) {
    if (bitmap.empty()) throw std::invalid_argument("an empty bitmap has no DIB");
    const std::vector<gfx::Pixel> colours = palette(bitmap);
    const bool indexed = !colours.empty();
    const int bitsPerPixel = indexed ? 8 : 24;
    const std::size_t stride = (std::size_t(bitmap.width()) * std::size_t(bitsPerPixel) / 8 + 3) & ~std::size_t(3);

    ByteBuffer out;
    out.u32(40);
    out.u32(std::uint32_t(bitmap.width()));
    out.u32(std::uint32_t(bitmap.height()));  // positive: bottom-up
    out.u16(1);
    out.u16(std::uint16_t(bitsPerPixel));
    out.u32(0);                                // uncompressed
    out.u32(std::uint32_t(stride * std::size_t(bitmap.height())));
    out.u32(0), out.u32(0);                    // resolution
    out.u32(std::uint32_t(colours.size()));
    out.u32(0);
    for (const gfx::Pixel p : colours) out.u32(p);  // blue, green, red, 0
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        const gfx::Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const gfx::Pixel p = row[x] & 0xFFFFFF;
            if (indexed) {
                out.u8(std::uint8_t(std::lower_bound(colours.begin(), colours.end(), p) - colours.begin()));
            } else {
                out.u8(std::uint8_t(p)), out.u8(std::uint8_t(p >> 8)), out.u8(std::uint8_t(p >> 16));
            }
        }
        out.zeros(stride - (out.size() - rowStart));
    }
    return out.bytes();
}

}  // namespace vemra::kit
