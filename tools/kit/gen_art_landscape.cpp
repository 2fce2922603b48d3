#include "kit/gen_art_landscape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "kit/gen_art_paint.h"

namespace vemra::kit {

namespace {

struct Mood {
    gfx::Color skyTop, skyBottom, sun, nearHills, farHills;
};

constexpr std::array<Mood, 4> moods{{
    {{40, 110, 200}, {170, 215, 250}, {255, 245, 190}, {40, 110, 50}, {120, 160, 190}},   // day
    {{70, 40, 110}, {250, 150, 80}, {255, 210, 120}, {60, 40, 60}, {150, 90, 110}},       // dusk
    {{10, 15, 45}, {40, 60, 110}, {230, 230, 210}, {15, 30, 35}, {50, 65, 100}},          // night
    {{120, 150, 210}, {250, 200, 200}, {255, 235, 220}, {80, 110, 70}, {170, 150, 170}},  // dawn
}};

constexpr std::array<std::string_view, 12> titles{"Garden",   "River",  "Mountains", "Old bridge", "Market",  "Desert",
                                                  "Seashore", "Forest", "Tower",     "Courtyard",  "Orchard", "Lake"};

gfx::Color mix(gfx::Color a, gfx::Color b, double t) {
    const auto channel = [t](std::uint8_t x, std::uint8_t y) { return std::uint8_t(std::lround(x + (y - x) * t)); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

void paintSky(gfx::Bitmap& bitmap, const Mood& mood) {
    for (int y = 0; y < bitmap.height(); ++y)
        bitmap.fill({0, y, bitmap.width(), 1}, mix(mood.skyTop, mood.skyBottom, double(y) / bitmap.height()));
}

// A range of hills whose ridge is a sum of two waves, shaded darker toward its foot.
void paintHills(gfx::Bitmap& bitmap, double level, double height, double phase, gfx::Color colour) {
    const int w = bitmap.width(), h = bitmap.height();
    for (int x = 0; x < w; ++x) {
        const double u = double(x) / w * 2 * std::numbers::pi;
        const double ridge = h * (level - height * (0.6 * std::sin(2 * u + phase) + 0.4 * std::sin(5 * u + 2 * phase)));
        for (int y = std::max(0, int(ridge)); y < h; ++y)
            bitmap.setPixel(x, y, mix(colour, gfx::colors::black, 0.4 * (y - ridge) / h).pixel());
    }
}

}  // namespace

std::string_view landscapeTitle(int number) { return titles[std::size_t(number - 1) % titles.size()]; }

gfx::Bitmap landscapePicture(gfx::Size size, int number, std::string_view caption) {
    const Mood& mood = moods[std::size_t(number) % moods.size()];
    gfx::Bitmap bitmap(size.width, size.height);
    const int shorter = std::min(size.width, size.height);
    paintSky(bitmap, mood);
    fillRing(bitmap, {size.width * 0.72, size.height * 0.28}, shorter * 0.09, 0, mood.sun);
    paintHills(bitmap, 0.55, 0.10, number * 0.7, mood.farHills);
    paintHills(bitmap, 0.70, 0.07, number * 1.3 + 1, mix(mood.farHills, mood.nearHills, 0.5));
    paintHills(bitmap, 0.85, 0.05, number * 2.1 + 2, mood.nearHills);

    const double badge = std::max(14.0, shorter * 0.14);
    const PointF centre{badge + 6, badge + 6};
    fillRing(bitmap, centre, badge, 0, gfx::colors::white);
    fillRing(bitmap, centre, badge - 3, 0, {180, 30, 40});
    const int side = int(badge * 1.4);
    drawCentredText(bitmap, {int(centre.x) - side / 2, int(centre.y) - side / 2, side, side}, std::to_string(number),
                    int(badge), gfx::colors::white, true);

    const int band = std::max(18, size.height / 7);
    const gfx::Rect strip{0, size.height - band, size.width, band};
    bitmap.fill(strip, {20, 20, 30});
    drawCentredText(bitmap, {4, strip.top + 2, size.width - 8, band - 4}, caption, band * 2 / 3, gfx::colors::white);
    return bitmap;
}

}  // namespace vemra::kit
