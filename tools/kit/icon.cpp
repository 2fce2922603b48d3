#include "kit/icon.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/gen_art_paint.h"
#include "platform/gfx/png.h"

namespace vemra::kit {
namespace {

// The icon is designed on a 256-unit square and drawn three times larger, so that every size it is
// shrunk to averages whole blocks of hard-edged pixels.
constexpr int design = 256;
constexpr int unit = 3;
constexpr int drawn = design * unit;

// The outline of an onion dome on a drum: its base at `base`, `width` wide, `height` high.
std::vector<PointF> domeOutline(double centreX, double base, double width, double height) {
    std::vector<PointF> corners;
    constexpr int steps = 48;
    for (int i = 0; i <= steps; ++i) {  // the right half from the base up to the tip, then mirrored
        const double t = double(i) / steps;
        const double bulge = std::sin(t * std::numbers::pi * 0.85) * (1.0 - t) + (1.0 - t) * 0.55;
        corners.push_back({centreX + width / 2 * std::min(bulge, 1.0), base - height * t});
    }
    for (int i = steps; i >= 0; --i) corners.push_back({2 * centreX - corners[std::size_t(i)].x, corners[std::size_t(i)].y});
    return corners;
}

// A rectangle of the design in drawn pixels.
gfx::Rect box(int left, int top, int width, int height) { return {left * unit, top * unit, width * unit, height * unit}; }

// The shapes of the design, placed in drawn pixels.
void ring(gfx::Bitmap& icon, PointF centre, double outer, double inner, gfx::Color colour) {
    fillRing(icon, {centre.x * unit, centre.y * unit}, outer * unit, inner * unit, colour);
}

void dome(gfx::Bitmap& icon, double base, double width, double height, gfx::Color colour) {
    fillPolygon(icon, domeOutline(design / 2.0 * unit, base * unit, width * unit, height * unit), colour);
}

}  // namespace

gfx::Bitmap drawIcon(int size) {
    if (size <= 0 || drawn % size != 0) throw std::invalid_argument("an icon of " + std::to_string(size) + " pixels cannot be drawn");
    constexpr gfx::Color night{18, 28, 64}, gold{236, 196, 80};
    gfx::Bitmap icon(drawn, drawn, night);
    const PointF centre{128, 120};
    ring(icon, centre, 104, 0, gfx::Color{196, 202, 214});
    ring(icon, centre, 96, 40, gfx::Color{226, 230, 238});
    ring(icon, centre, 70, 58, gfx::Color{170, 196, 226});
    ring(icon, centre, 22, 0, night);
    dome(icon, 200, 132, 128, gfx::Color{28, 150, 160});
    dome(icon, 196, 104, 112, gfx::Color{48, 184, 190});
    icon.fill(box(52, 198, 152, 40), gfx::Color{214, 176, 72});  // the drum
    for (int x = 60; x < 200; x += 20) icon.fill(box(x, 206, 10, 24), night);  // its windows
    ring(icon, {128, 66}, 7, 0, gold);  // the finial
    icon.fill(box(126, 48, 4, 16), gold);
    return shrunk(icon, drawn / size);
}

void writeIcon(const std::filesystem::path& file, int size) { gfx::writePng(drawIcon(size), file); }

}  // namespace vemra::kit
