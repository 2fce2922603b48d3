#include "kit/gen_art_window.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "kit/gen_art_paint.h"
#include "kit/gen_art_scene.h"
#include "kit/gen_palette.h"

namespace vemra::kit {

namespace {

using designs::ComponentDesign;

gfx::Bitmap cut(const gfx::Bitmap& from, gfx::Rect fromArea, gfx::Rect r) {
    gfx::Bitmap out(r.width, r.height);
    out.copyFrom(from, r.translated(-fromArea.left, -fromArea.top), {0, 0});
    return out;
}

}  // namespace

WindowArt::WindowArt(const designs::WindowDesign& design, const ArtScheme& scheme, std::string caption)
    : layout_(design), scheme_(scheme), caption_(std::move(caption)) {}

const WindowArt::Scene& WindowArt::scene(std::string_view surface, const ComponentDesign* overlay) {
    const std::string key = overlay ? "overlay " + std::string(overlay->name) : "surface " + std::string(surface);
    if (const auto found = scenes_.find(key); found != scenes_.end()) return found->second;
    SceneSpec request;
    request.area = overlay ? overlay->rect : layout_.sceneArea(surface);
    request.client = overlay ? overlay->rect : layout_.surfaceRect(surface);
    request.windowGround = !overlay && surface.empty();
    request.elements = layout_.elements(surface, overlay);
    request.window = std::string(layout_.design().name);
    if (request.windowGround) {
        request.obstacles = layout_.obstacles(surface);
        request.cornerAnimation = layout_.cornerAnimation(surface);
        request.title = std::string(layout_.design().name);
        request.caption = caption_;
    }
    Scene painted{request.area, paintScene(request, scheme_, false), paintScene(request, scheme_, true)};
    return scenes_.emplace(key, std::move(painted)).first->second;
}

gfx::Bitmap WindowArt::picture(std::string_view name) {
    const ComponentDesign& c = layout_.component(name);
    if (c.kind != designs::Kind::picture || c.rect.empty())
        throw std::invalid_argument(std::string(name) + " of " + std::string(layout_.design().name) + " is no picture");
    const ComponentDesign* overlay = layout_.overlayOf(c);
    switch (layout_.role(c)) {
    case PictureRole::background: {
        const Scene& s = scene(c.parent, nullptr);
        return inKitPalette(cut(s.rest, s.area, c.rect));
    }
    case PictureRole::litLook: {
        const Scene& s = scene(c.parent, overlay);
        return inKitPalette(cut(s.lit, s.area, c.rect));
    }
    case PictureRole::overlay: {
        const Scene& s = scene(c.parent, &c);
        return inKitPalette(cut(s.rest, s.area, c.rect));
    }
    case PictureRole::strip: return inKitPalette(strip(c));
    case PictureRole::button: return inKitPalette(button(c));
    case PictureRole::tile: return inKitPalette(tile(c));
    }
    throw std::logic_error("unknown picture role");
}

gfx::Bitmap WindowArt::strip(const ComponentDesign& c) const {
    constexpr int cellPitch = 200;
    gfx::Bitmap bitmap(c.rect.width, c.rect.height, scheme_.ground);
    paintGrain(bitmap, bitmap.bounds(), scheme_.texture, scheme_.grain);
    for (int left = 10, cell = 1; left + cellPitch - 20 <= c.rect.width; left += cellPitch, ++cell) {
        const gfx::Rect r{left, 10, cellPitch - 20, c.rect.height - 20};
        bitmap.fill(r, scheme_.panel);
        frameRect(bitmap, r, 2, scheme_.edge);
        const std::array<std::string, 2> lines{std::string(layout_.design().name) + " " + std::string(c.name),
                                               "part " + std::to_string(cell)};
        drawCentredLines(bitmap, r, lines, 22, scheme_.ink, true);
    }
    return bitmap;
}

gfx::Bitmap WindowArt::button(const ComponentDesign& c) const {
    gfx::Bitmap bitmap(c.rect.width, c.rect.height, scheme_.panel);
    raisedEdge(bitmap, bitmap.bounds(), scheme_.edge, scheme_.calm);
    const std::string name(c.name);
    drawCentredText(bitmap, {3, 3, c.rect.width - 6, c.rect.height - 6}, name, 14, scheme_.ink, true);
    return bitmap;
}

gfx::Bitmap WindowArt::tile(const ComponentDesign& c) const {
    gfx::Bitmap bitmap(c.rect.width, c.rect.height, scheme_.ground);
    const std::array<gfx::Color, 3> rings{scheme_.lit, scheme_.panel, scheme_.ground};
    for (int i = 0, by = 0; 2 * by < std::min(c.rect.width, c.rect.height); ++i, by += 6)
        bitmap.fill({by, by, c.rect.width - 2 * by, c.rect.height - 2 * by}, rings[std::size_t(i) % rings.size()]);
    return bitmap;
}

}  // namespace vemra::kit
