#include "kit/gen_art_scheme.h"

#include <cmath>

#include "kit/gen_palette.h"

namespace vemra::kit {

gfx::Color kitColour(int hue, double saturation, double value) {
    const double h = double(((hue % 360) + 360) % 360) / 60.0;
    const double c = value * saturation;
    const double x = c * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    switch (int(h)) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
    }
    const double m = value - c;
    const auto channel = [m](double v) { return std::uint8_t(std::lround((v + m) * 255.0)); };
    return nearestKitColour({channel(r), channel(g), channel(b)});
}

ArtScheme artScheme(int hue, Grain texture) {
    return {
        .texture = texture,
        .ground = kitColour(hue, 0.8, 0.4),
        .grain = kitColour(hue, 0.8, 0.55),
        .frame = kitColour(hue, 0.4, 0.9),
        .title = kitColour(hue, 0.45, 0.8),
        .panel = kitColour(hue, 0.8, 0.6),
        .edge = kitColour(hue, 0.3, 1.0),
        .ink = gfx::colors::white,
        .lit = kitColour(hue + 40, 0.55, 1.0),
        .litEdge = gfx::colors::white,
        .litInk = kitColour(hue, 1.0, 0.2),
        .calm = kitColour(hue, 0.7, 0.12),
        .calmEdge = kitColour(hue, 0.6, 0.3),
    };
}

}  // namespace vemra::kit
