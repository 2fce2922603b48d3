#include "kit/icon.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "kit/gen_art_paint.h"
#include "platform/gfx/png.h"

namespace vemra::kit {
namespace {

constexpr int size = 256;

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

}  // namespace

gfx::Bitmap drawIcon() {
    gfx::Bitmap icon(size, size, gfx::Color{18, 28, 64});
    const PointF centre{128, 120};
    fillRing(icon, centre, 104, 0, gfx::Color{196, 202, 214});
    fillRing(icon, centre, 96, 40, gfx::Color{226, 230, 238});
    fillRing(icon, centre, 70, 58, gfx::Color{170, 196, 226});
    fillRing(icon, centre, 22, 0, gfx::Color{18, 28, 64});
    const auto dome = domeOutline(128, 200, 132, 128);
    fillPolygon(icon, dome, gfx::Color{28, 150, 160});
    const auto inner = domeOutline(128, 196, 104, 112);
    fillPolygon(icon, inner, gfx::Color{48, 184, 190});
    icon.fill({52, 198, 152, 40}, gfx::Color{214, 176, 72});  // the drum
    for (int x = 60; x < 200; x += 20) icon.fill({x, 206, 10, 24}, gfx::Color{18, 28, 64});  // its windows
    fillRing(icon, {128, 66}, 7, 0, gfx::Color{236, 196, 80});  // the finial
    icon.fill({126, 48, 4, 16}, gfx::Color{236, 196, 80});
    return icon;
}

void writeIcon(const std::filesystem::path& file) { gfx::writePng(drawIcon(), file); }

}  // namespace vemra::kit
