#include "platform/win/icon_image.h"

#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "platform/gfx/bmp.h"
#include "platform/win/binary_reader.h"

namespace vemra::win {
namespace {

constexpr std::uint8_t pngSignature[] = {0x89, 'P', 'N', 'G'};

void checkSide(int width, int height) {
    if (width > maxCursorSide || height > maxCursorSide)
        throw FormatError("cursor image of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels is too large");
}

gfx::ArgbImage decodePng(std::span<const std::uint8_t> data) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        throw FormatError(std::string("cursor image: ") + image.message);
    if (image.width > unsigned(maxCursorSide) || image.height > unsigned(maxCursorSide)) {
        png_image_free(&image);
        checkSide(int(image.width), int(image.height));
    }
    image.format = PNG_FORMAT_ARGB;
    std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr))
        throw FormatError(std::string("cursor image: ") + image.message);
    gfx::ArgbImage out{int(image.width), int(image.height), std::vector<std::uint32_t>(bytes.size() / 4)};
    for (std::size_t i = 0; i < out.argb.size(); ++i)
        out.argb[i] = (std::uint32_t(bytes[4 * i]) << 24) | (std::uint32_t(bytes[4 * i + 1]) << 16) |
                      (std::uint32_t(bytes[4 * i + 2]) << 8) | bytes[4 * i + 3];
    return out;
}

}  // namespace

ui::CursorFrame decodeCursorImage(std::span<const std::uint8_t> image, gfx::Point hotspot) {
    const bool png = image.size() >= sizeof pngSignature && std::equal(std::begin(pngSignature), std::end(pngSignature), image.begin());
    gfx::ArgbImage decoded = png ? decodePng(image) : gfx::decodeIconDib(image);
    checkSide(decoded.width, decoded.height);
    const gfx::Point spot{std::clamp(hotspot.x, 0, decoded.width - 1), std::clamp(hotspot.y, 0, decoded.height - 1)};
    return {decoded.width, decoded.height, std::move(decoded.argb), spot};
}

std::size_t preferredImage(const std::vector<ImageChoice>& choices) {
    auto distance = [](const ImageChoice& c) { return std::abs(c.width - 32) + std::abs(c.height - 32); };
    std::size_t best = 0;
    for (std::size_t i = 1; i < choices.size(); ++i) {
        const int d = distance(choices[i]), bestD = distance(choices[best]);
        if (d < bestD || (d == bestD && choices[i].bitCount > choices[best].bitCount)) best = i;
    }
    return best;
}

}  // namespace vemra::win
