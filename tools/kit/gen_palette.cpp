#include "kit/gen_palette.h"

#include <algorithm>
#include <unordered_map>

namespace vemra::kit {

namespace {

constexpr int cubeStep = 51;
constexpr int firstGrey = 8, greyStep = 6, greyCount = 40;

int distance2(gfx::Color a, gfx::Color b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

std::uint8_t nearestCubeLevel(std::uint8_t v) { return std::uint8_t((v + cubeStep / 2) / cubeStep * cubeStep); }

}  // namespace

gfx::Color nearestKitColour(gfx::Color c) {
    // The nearest cube colour rounds each channel on its own; the nearest of the extra greys is
    // the one closest to the channels' mean. The better of the two is the nearest overall.
    const gfx::Color cube{nearestCubeLevel(c.r), nearestCubeLevel(c.g), nearestCubeLevel(c.b)};
    const int sum = c.r + c.g + c.b;  // three times the mean
    const int step = std::clamp((sum - 3 * firstGrey + 3 * greyStep / 2) / (3 * greyStep), 0, greyCount - 1);
    const auto level = std::uint8_t(firstGrey + step * greyStep);
    const gfx::Color grey{level, level, level};
    return distance2(c, grey) < distance2(c, cube) ? grey : cube;
}

gfx::Bitmap inKitPalette(gfx::Bitmap bitmap) {
    // Pictures repeat few colours many times, mostly in runs.
    std::unordered_map<gfx::Pixel, gfx::Pixel> mapped;
    gfx::Pixel lastIn = 0xFFFFFFFF, lastOut = 0;  // lastIn starts as no 24-bit colour
    for (int y = 0; y < bitmap.height(); ++y) {
        gfx::Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const gfx::Pixel p = row[x] & 0xFFFFFF;
            if (p != lastIn) {
                auto [at, added] = mapped.try_emplace(p, 0);
                if (added) at->second = nearestKitColour(gfx::Color::fromPixel(p)).pixel();
                lastIn = p, lastOut = at->second;
            }
            row[x] = lastOut;
        }
    }
    return bitmap;
}

}  // namespace vemra::kit
