#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "designs/design.h"
#include "kit/gen_art_paint.h"

namespace vemra::kit {

// What a picture of a window design shows, read from the design's geometry and z-order.
enum class PictureRole {
    background,  // fills its window or panel: the scene at rest
    litLook,     // hidden or behind the background, over or inside hotspots: the scene with them lit
    overlay,     // a panel picture shown together with the large text area it holds
    strip,       // far wider than its window: a strip that scrolls through a viewer
    button,      // a picture clicked for itself
    tile,        // any other picture
};

// One thing drawn on a scene: a calm area that text, a list or a picture covers, a hotspot, or the
// caption of a small transparent label (the background carries the words beside option buttons).
enum class ElementKind { calm, hotspot, caption };

struct SceneElement {
    const designs::ComponentDesign* component = nullptr;
    ElementKind kind = ElementKind::calm;
    bool exit = false;  // the hotspot in a bottom corner that leaves the screen
};

// A window design read for drawing its pictures. A surface is the window (empty name) or a panel.
class ArtLayout {
public:
    explicit ArtLayout(const designs::WindowDesign& design);

    const designs::WindowDesign& design() const { return design_; }
    // The component of that name; throws std::invalid_argument when the design has none.
    const designs::ComponentDesign& component(std::string_view name) const;
    // The client rectangle of a surface: the window's as it is shown (at most 640 × 480), a panel's.
    gfx::Rect surfaceRect(std::string_view surface) const;
    PictureRole role(const designs::ComponentDesign& picture) const;
    // The overlay picture a component mostly lies in (the smallest, if several), or nullptr.
    const designs::ComponentDesign* overlayOf(const designs::ComponentDesign& c) const;
    // What the scene of a surface (overlay nullptr) or of one of its overlays shows, in creation order.
    std::vector<SceneElement> elements(std::string_view surface, const designs::ComponentDesign* overlay) const;
    // Where the corner animation plays over a surface: the top left corner of a full-size screen;
    // empty for panels and small windows.
    gfx::Rect cornerAnimation(std::string_view surface) const;
    // The rectangles a title written on a surface's scene must keep clear of.
    std::vector<gfx::Rect> obstacles(std::string_view surface) const;
    // The area a surface's scene covers: the surface and every picture cut out of the scene.
    gfx::Rect sceneArea(std::string_view surface) const;

private:
    std::vector<const designs::ComponentDesign*> on(std::string_view surface) const;
    const designs::ComponentDesign* backgroundOf(std::string_view surface) const;
    bool isCalm(const designs::ComponentDesign& c) const;
    bool isExit(const designs::ComponentDesign& hotspot) const;

    const designs::WindowDesign& design_;
    std::vector<const designs::ComponentDesign*> overlays_;
};

// The sign a hotspot's hint asks for ("line up", "play", …), if any.
std::optional<Symbol> symbolForHint(std::string_view hint);

}  // namespace vemra::kit
