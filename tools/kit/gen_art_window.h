#pragma once

#include <map>
#include <string>
#include <string_view>

#include "designs/design.h"
#include "kit/gen_art_layout.h"
#include "kit/gen_art_scheme.h"
#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// The pictures of one window design, drawn from its tables: the background shows every hotspot as
// a framed panel with its name (arrows and transport buttons with their signs, the exit corner
// marked "exit") and every text or list area as a calm dark field; lit and pressed looks are the
// same picture with the hotspots under them lit; panel pictures, buttons and strips follow the
// window's colours.
class WindowArt {
public:
    // `caption` is written under the window's name on its background.
    WindowArt(const designs::WindowDesign& design, const ArtScheme& scheme, std::string caption);

    // The picture of component `name` at its designed size, in kit palette colours, whether or not
    // the design gives it artwork. Throws std::invalid_argument when there is no such picture.
    gfx::Bitmap picture(std::string_view name);

private:
    struct Scene {
        gfx::Rect area;
        gfx::Bitmap rest, lit;
    };
    // The scene of a surface (overlay nullptr) or of one of its overlay pictures, painted once.
    const Scene& scene(std::string_view surface, const designs::ComponentDesign* overlay);
    gfx::Bitmap strip(const designs::ComponentDesign& c) const;
    gfx::Bitmap button(const designs::ComponentDesign& c) const;
    gfx::Bitmap tile(const designs::ComponentDesign& c) const;

    ArtLayout layout_;
    ArtScheme scheme_;
    std::string caption_;
    std::map<std::string, Scene, std::less<>> scenes_;
};

}  // namespace vemra::kit
