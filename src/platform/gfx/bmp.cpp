#include "platform/gfx/bmp.h"

#include <algorithm>
#include <array>
#include <bit>

#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"

namespace vemra::gfx {
namespace {

using win::BinaryReader;

constexpr std::uint32_t biRgb = 0, biRle8 = 1, biRle4 = 2, biBitfields = 3, biAlphaBitfields = 6;
constexpr std::uint32_t opaqueBlack = 0xFF000000;
constexpr std::size_t fileHeaderSize = 14, coreHeaderSize = 12, maxHeaderSize = 124;

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t max = 0;

    static Channel of(std::uint32_t mask, const BinaryReader& dib) {
        if (mask == 0) return {};
        const int shift = std::countr_zero(mask);
        const std::uint64_t max = std::uint64_t(mask) >> shift;
        if ((max & (max + 1)) != 0) dib.fail("colour mask " + std::to_string(mask) + " is not one run of bits");
        return {mask, shift, max};
    }
    std::uint32_t value(std::uint32_t pixel, std::uint32_t absent) const {
        if (mask == 0) return absent;
        return std::uint32_t((std::uint64_t((pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = biRgb;
    std::array<Channel, 4> channels;  // red, green, blue, alpha
    std::vector<std::uint32_t> palette;
    std::size_t tableEnd = 0;  // where the pixels of a packed DIB start

    std::size_t stride() const { return (std::size_t(width) * std::size_t(bits) + 31) / 32 * 4; }
    std::uint32_t colour(std::size_t index) const { return index < palette.size() ? palette[index] : opaqueBlack; }
    std::uint32_t fromMasks(std::uint32_t p) const {
        return (channels[3].value(p, 255) << 24) | (channels[0].value(p, 0) << 16) | (channels[1].value(p, 0) << 8) |
               channels[2].value(p, 0);
    }
};

void setDefaultMasks(Layout& l, const BinaryReader& dib) {
    if (l.bits == 16) {
        l.channels = {Channel::of(0x7C00, dib), Channel::of(0x03E0, dib), Channel::of(0x001F, dib), Channel{}};
    } else if (l.bits == 32) {
        l.channels = {Channel::of(0xFF0000, dib), Channel::of(0xFF00, dib), Channel::of(0xFF, dib),
                      Channel::of(0xFF000000, dib)};
    }
}

void checkDepthAndCompression(const Layout& l, const BinaryReader& dib) {
    const int b = l.bits;
    const std::uint32_t c = l.compression;
    const bool ok = (c == biRgb && (b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32)) ||
                    (c == biRle8 && b == 8) || (c == biRle4 && b == 4) ||
                    ((c == biBitfields || c == biAlphaBitfields) && (b == 16 || b == 32));
    if (!ok)
        dib.fail("unsupported combination of " + std::to_string(b) + " bits per pixel and compression " +
                 std::to_string(c));
    if (l.topDown && (c == biRle8 || c == biRle4)) dib.fail("a compressed bitmap cannot be top-down");
}

void checkSize(std::int64_t width, std::int64_t height, const BinaryReader& dib) {
    if (width <= 0 || height <= 0 || width > maxBmpSide || height > maxBmpSide || width * height > maxBmpPixels)
        dib.fail("unsupported size " + std::to_string(width) + " x " + std::to_string(height));
}

// Reads the info header, the colour masks and the colour table. `heightScale` is 2 for icon images.
Layout readLayout(const BinaryReader& dib, int heightScale) {
    const std::uint32_t headerSize = dib.u32(0);
    Layout l;
    std::size_t entrySize = 4;
    std::uint32_t colorsUsed = 0;
    std::int64_t width = 0, height = 0;
    if (headerSize == coreHeaderSize) {
        width = dib.u16(4);
        height = dib.u16(6);
        l.bits = dib.u16(10);
        entrySize = 3;
    } else if (headerSize >= 16 && headerSize <= maxHeaderSize) {
        dib.bytes(0, headerSize);
        width = dib.i32(4);
        const std::int32_t h = dib.i32(8);
        l.topDown = h < 0;
        height = l.topDown ? -std::int64_t(h) : h;
        l.bits = dib.u16(14);
        if (headerSize >= 20) l.compression = dib.u32(16);
        if (headerSize >= 36) colorsUsed = dib.u32(32);
    } else {
        dib.fail("unknown header size " + std::to_string(headerSize));
    }
    if (height % heightScale != 0) dib.fail("odd height " + std::to_string(height) + " of an icon image");
    checkSize(width, height / heightScale, dib);
    l.width = int(width);
    l.height = int(height / heightScale);
    checkDepthAndCompression(l, dib);

    std::size_t pos = headerSize;
    setDefaultMasks(l, dib);
    if (l.compression == biBitfields || l.compression == biAlphaBitfields) {
        const bool alpha = l.compression == biAlphaBitfields;
        const std::size_t inHeader = headerSize >= 52 ? 40 : 0;
        const std::size_t at = inHeader ? inHeader : pos;
        l.channels = {Channel::of(dib.u32(at), dib), Channel::of(dib.u32(at + 4), dib),
                      Channel::of(dib.u32(at + 8), dib), Channel{}};
        if (alpha || headerSize >= 56) l.channels[3] = Channel::of(dib.u32(at + 12), dib);
        if (!inHeader) pos += alpha ? 16 : 12;
    }

    const std::size_t entries = colorsUsed ? std::min<std::size_t>(colorsUsed, 256) : l.bits <= 8 ? 1u << l.bits : 0;
    const auto table = dib.bytes(pos, entries * entrySize);
    if (l.bits <= 8) {
        l.palette.resize(std::min<std::size_t>(entries, 1u << l.bits));
        for (std::size_t i = 0; i < l.palette.size(); ++i) {
            const auto* e = table.data() + i * entrySize;
            l.palette[i] = opaqueBlack | (std::uint32_t(e[2]) << 16) | (std::uint32_t(e[1]) << 8) | e[0];
        }
    }
    l.tableEnd = pos + table.size();
    return l;
}

std::uint32_t uncompressedPixel(const Layout& l, const std::uint8_t* row, int x) {
    switch (l.bits) {
    case 1: return l.colour((row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return l.colour((row[x / 2] >> (x % 2 ? 0 : 4)) & 15);
    case 8: return l.colour(row[x]);
    case 16: return l.fromMasks(std::uint32_t(row[2 * x] | (row[2 * x + 1] << 8)));
    case 24: {
        const auto* p = row + 3 * x;
        return opaqueBlack | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    }
    default: {
        const auto* p = row + 4 * x;
        return l.fromMasks(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                           (std::uint32_t(p[3]) << 24));
    }
    }
}

// Output row of the y-th stored row.
int outputRow(const Layout& l, int stored) { return l.topDown ? stored : l.height - 1 - stored; }

std::vector<std::uint32_t> decodeUncompressed(const Layout& l, const BinaryReader& dib, std::size_t offset) {
    const std::size_t stride = l.stride();
    // The last row may lack its padding.
    const std::size_t lastRow = (std::size_t(l.width) * std::size_t(l.bits) + 7) / 8;
    const auto data = dib.bytes(offset, stride * std::size_t(l.height - 1) + lastRow);
    std::vector<std::uint32_t> out(std::size_t(l.width) * std::size_t(l.height));
    for (int y = 0; y < l.height; ++y) {
        const std::uint8_t* row = data.data() + std::size_t(y) * stride;
        std::uint32_t* dst = out.data() + std::size_t(outputRow(l, y)) * std::size_t(l.width);
        for (int x = 0; x < l.width; ++x) dst[x] = uncompressedPixel(l, row, x);
    }
    return out;
}

// RLE4 and RLE8: runs, end of line, end of bitmap, delta moves and literal runs. Pixels the data
// never reaches stay black; data that ends between two codes ends the bitmap.
std::vector<std::uint32_t> decodeRle(const Layout& l, const BinaryReader& dib, std::size_t offset) {
    const bool rle4 = l.compression == biRle4;
    std::vector<std::uint32_t> out(std::size_t(l.width) * std::size_t(l.height), opaqueBlack);
    int x = 0, y = 0;
    auto put = [&](std::uint32_t index) {
        if (x < l.width) out[std::size_t(outputRow(l, y)) * std::size_t(l.width) + std::size_t(x++)] = l.colour(index);
    };
    std::size_t p = offset;
    while (p < dib.size() && y < l.height) {
        const std::uint8_t count = dib.u8(p), value = dib.u8(p + 1);
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(rle4 ? (i % 2 ? value & 15 : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x = std::min(x + dib.u8(p), l.width);
            y += dib.u8(p + 1);
            p += 2;
        } else {
            const std::size_t bytes = rle4 ? (value + 1u) / 2 : value;
            const auto literal = dib.bytes(p, bytes);
            p += (bytes + 1) & ~std::size_t(1);
            for (int i = 0; i < value; ++i)
                put(rle4 ? (i % 2 ? literal[std::size_t(i) / 2] & 15 : literal[std::size_t(i) / 2] >> 4)
                         : literal[std::size_t(i)]);
        }
    }
    return out;
}

std::vector<std::uint32_t> decodePixels(const Layout& l, const BinaryReader& dib, std::size_t offset) {
    if (l.compression == biRle4 || l.compression == biRle8) return decodeRle(l, dib, offset);
    return decodeUncompressed(l, dib, offset);
}

Bitmap toBitmap(const Layout& l, const std::vector<std::uint32_t>& argb) {
    Bitmap b(l.width, l.height);
    for (int y = 0; y < l.height; ++y) {
        const std::uint32_t* src = argb.data() + std::size_t(y) * std::size_t(l.width);
        Pixel* dst = b.row(y);
        for (int x = 0; x < l.width; ++x) dst[x] = src[x] & 0xFFFFFF;
    }
    return b;
}

}  // namespace

Bitmap decodeDib(std::span<const std::uint8_t> dib) {
    const BinaryReader reader(dib, "bitmap");
    const Layout l = readLayout(reader, 1);
    return toBitmap(l, decodePixels(l, reader, l.tableEnd));
}

Bitmap decodeBmp(std::span<const std::uint8_t> file) {
    const BinaryReader reader(file, "bitmap file");
    if (reader.u16(0) != 0x4D42) reader.fail("no \"BM\" signature");
    const std::uint32_t pixelOffset = reader.u32(10);
    const BinaryReader dib(file.subspan(fileHeaderSize), "bitmap file");
    const Layout l = readLayout(dib, 1);
    // An offset of 0 means the pixels follow the colour table.
    if (pixelOffset != 0 && pixelOffset < fileHeaderSize)
        reader.fail("pixel offset " + std::to_string(pixelOffset) + " lies inside the file header");
    return toBitmap(l, decodePixels(l, dib, pixelOffset ? pixelOffset - fileHeaderSize : l.tableEnd));
}

Bitmap readBmp(const std::filesystem::path& file) {
    const auto bytes = win::readBinaryFile(file);
    return win::withContext(file.string(), [&] { return decodeBmp(bytes); });
}

ArgbImage decodeIconDib(std::span<const std::uint8_t> dib) {
    const BinaryReader reader(dib, "icon image");
    const Layout l = readLayout(reader, 2);
    if (l.compression == biRle4 || l.compression == biRle8) reader.fail("an icon image cannot be compressed");
    ArgbImage image{l.width, l.height, decodeUncompressed(l, reader, l.tableEnd)};
    const bool alphaChannel = l.channels[3].mask != 0 &&
                              std::any_of(image.argb.begin(), image.argb.end(), [](auto p) { return p >> 24 != 0; });
    if (alphaChannel) return image;

    Layout mask = l;
    mask.bits = 1;
    const std::size_t maskOffset = l.tableEnd + l.stride() * std::size_t(l.height);
    const auto maskData = reader.bytes(maskOffset, mask.stride() * std::size_t(l.height));
    for (int y = 0; y < l.height; ++y) {
        const std::uint8_t* row = maskData.data() + std::size_t(y) * mask.stride();
        std::uint32_t* dst = image.argb.data() + std::size_t(outputRow(l, y)) * std::size_t(l.width);
        for (int x = 0; x < l.width; ++x) {
            const bool masked = (row[x / 8] >> (7 - x % 8)) & 1;
            const std::uint32_t rgb = dst[x] & 0xFFFFFF;
            dst[x] = masked ? (rgb ? opaqueBlack : 0) : opaqueBlack | rgb;
        }
    }
    return image;
}

}  // namespace vemra::gfx
