#pragma once

#include <cstdint>

namespace vemra::gfx {

// A pixel as 0x00RRGGBB, the layout of every Bitmap.
using Pixel = std::uint32_t;

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr Pixel pixel() const { return (Pixel(r) << 16) | (Pixel(g) << 8) | Pixel(b); }
    static constexpr Color fromPixel(Pixel p) {
        return {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color white{255, 255, 255};
inline constexpr Color red{255, 0, 0};
inline constexpr Color buttonFace{192, 192, 192};
inline constexpr Color windowText{0, 0, 0};
inline constexpr Color infoBackground{255, 255, 225};
inline constexpr Color highlight{0, 0, 128};
}  // namespace colors

}  // namespace vemra::gfx
