#include "kit/gen_art.h"

#include <stdexcept>
#include <string>

#include "designs/design.h"
#include "kit/bmp_writer.h"
#include "kit/gen_art_window.h"

namespace vemra::kit {

namespace {
constexpr int hueSteps = 12;
constexpr int textures = 4;
}  // namespace

ArtScheme windowScheme(std::string_view window, int variant) {
    const auto designs = designs::allDesigns();
    for (std::size_t i = 0; i < designs.size(); ++i) {
        if (designs[i]->name != window) continue;
        // Twelve hues 30 degrees apart, the next window five steps on; every twelve windows the
        // texture changes, so that no two windows share both.
        const int index = int(i);
        const int hue = (index * 5 + variant * 7) % hueSteps * (360 / hueSteps);
        return artScheme(hue, Grain((index / hueSteps + variant) % textures));
    }
    throw std::invalid_argument("no window design " + std::string(window));
}

void writeWindowArtwork(const std::filesystem::path& root) {
    for (const designs::WindowDesign* design : designs::allDesigns()) {
        WindowArt art(*design, windowScheme(design->name), std::string(design->className));
        for (const designs::ComponentDesign& c : design->components) {
            if (!c.artwork) continue;
            const std::string file = std::string(c.name) + ".bmp";
            writeBmp(root / "art" / std::string(design->name) / file, art.picture(c.name));
        }
    }
}

}  // namespace vemra::kit
