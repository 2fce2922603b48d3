#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace vemra::gfx {

// Windows bitmaps: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, bit fields, RLE4 and RLE8,
// bottom-up and top-down, with the Windows or the OS/2 header. Malformed input throws
// win::FormatError (a std::runtime_error) with a message; nothing is read outside the input.

// The largest width or height, and the largest number of pixels, that are decoded.
inline constexpr int maxBmpSide = 16384;
inline constexpr std::int64_t maxBmpPixels = std::int64_t(1) << 24;

// A ".bmp" file: file header, info header, colour table, pixels where the file header says.
Bitmap decodeBmp(std::span<const std::uint8_t> file);
Bitmap readBmp(const std::filesystem::path& file);

// A packed DIB as resources hold it: info header, colour table and pixels, no file header.
Bitmap decodeDib(std::span<const std::uint8_t> dib);

// Pixels as 0xAARRGGBB, top row first; alpha 0 is fully transparent.
struct ArgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// The packed DIB of an icon or cursor image: its header gives twice the image height, the colour
// image followed by a 1-bit AND mask. Transparency comes from the alpha bytes of a 32-bit image that
// has any, else from the mask; masked pixels of a non-black colour (screen inversion) become black.
ArgbImage decodeIconDib(std::span<const std::uint8_t> dib);

}  // namespace vemra::gfx
