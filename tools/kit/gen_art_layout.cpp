#include "kit/gen_art_layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "designs/building_blocks.h"
#include "kit/gen_modules_frames.h"

namespace vemra::kit {

namespace {

using designs::ComponentDesign;
using designs::Kind;

constexpr gfx::Size shownScreen{640, 480};

long long area(gfx::Rect r) { return r.empty() ? 0 : (long long)r.width * r.height; }

// At least three quarters of a lie inside b.
bool mostlyInside(gfx::Rect a, gfx::Rect b) { return area(a) > 0 && area(a.intersected(b)) * 4 >= area(a) * 3; }

bool isHotspot(const ComponentDesign& c) {
    const bool clickCursor = c.cursor == designs::hotspotCursor || c.cursor == designs::handCursor;
    return clickCursor && !c.artwork && !c.font && (c.kind == Kind::picture || c.kind == Kind::label);
}

// A component that shows text or a list of its own over the background.
bool isTextArea(const ComponentDesign& c) {
    switch (c.kind) {
    case Kind::label: return (c.font || c.color) && !c.autoSize;
    case Kind::listBox:
    case Kind::memo:
    case Kind::edit: return true;
    case Kind::panel: return c.visible;
    default: return false;
    }
}

// A small transparent label that neither shows text of its own nor is clicked: a caption that the
// background itself carries.
bool isCaption(const ComponentDesign& c) {
    return c.kind == Kind::label && c.transparent && c.visible && !c.font && c.cursor == 0 && c.rect.width <= 120 &&
           c.rect.height <= 40;
}

}  // namespace

ArtLayout::ArtLayout(const designs::WindowDesign& design) : design_(design) {
    for (const ComponentDesign& c : design_.components)
        if (c.kind == Kind::picture && c.artwork && role(c) == PictureRole::overlay) overlays_.push_back(&c);
}

const ComponentDesign& ArtLayout::component(std::string_view name) const {
    for (const ComponentDesign& c : design_.components)
        if (c.name == name) return c;
    throw std::invalid_argument(std::string(design_.name) + " has no component " + std::string(name));
}

gfx::Rect ArtLayout::surfaceRect(std::string_view surface) const {
    if (!surface.empty()) return {0, 0, component(surface).rect.width, component(surface).rect.height};
    return {0, 0, std::min(design_.client.width, shownScreen.width),
            std::min(design_.client.height, shownScreen.height)};
}

std::vector<const ComponentDesign*> ArtLayout::on(std::string_view surface) const {
    std::vector<const ComponentDesign*> found;
    for (const ComponentDesign& c : design_.components)
        if (c.parent == surface && c.kind != Kind::timer) found.push_back(&c);
    return found;
}

const ComponentDesign* ArtLayout::backgroundOf(std::string_view surface) const {
    const gfx::Rect client = surfaceRect(surface);
    for (const ComponentDesign* c : on(surface)) {
        const bool covers =
            c->rect.left <= 2 && c->rect.top <= 2 && area(c->rect.intersected(client)) * 10 >= area(client) * 9;
        if (c->kind == Kind::picture && c->visible && covers) return c;
    }
    return nullptr;
}

PictureRole ArtLayout::role(const ComponentDesign& picture) const {
    const std::vector<const ComponentDesign*> siblings = on(picture.parent);
    const ComponentDesign* background = backgroundOf(picture.parent);
    if (&picture == background) return PictureRole::background;

    const bool behind = background && &picture < background;  // created earlier: beneath it
    if (!picture.visible || behind) {
        const gfx::Rect client = surfaceRect(picture.parent);
        const bool lights = std::any_of(siblings.begin(), siblings.end(), [&](const ComponentDesign* c) {
            if (!isHotspot(*c)) return false;
            const bool over = c->visible && mostlyInside(c->rect.intersected(client), picture.rect);
            return over || mostlyInside(picture.rect, c->rect);
        });
        if (lights) return PictureRole::litLook;
    }
    const bool holdsText = std::any_of(siblings.begin(), siblings.end(), [&](const ComponentDesign* c) {
        return isTextArea(*c) && mostlyInside(c->rect, picture.rect) && area(c->rect) * 4 >= area(picture.rect);
    });
    if (holdsText) return PictureRole::overlay;
    if (picture.rect.width > 2 * surfaceRect(picture.parent).width) return PictureRole::strip;
    if (picture.cursor != 0) return PictureRole::button;
    return PictureRole::tile;
}

const ComponentDesign* ArtLayout::overlayOf(const ComponentDesign& c) const {
    const ComponentDesign* best = nullptr;
    for (const ComponentDesign* overlay : overlays_) {
        if (overlay == &c || overlay->parent != c.parent || !mostlyInside(c.rect, overlay->rect)) continue;
        if (!best || area(overlay->rect) < area(best->rect)) best = overlay;
    }
    return best;
}

bool ArtLayout::isCalm(const ComponentDesign& c) const {
    if (isTextArea(c)) return true;
    // A picture without artwork of its own that the program fills, such as a picture area.
    const ComponentDesign* background = backgroundOf(c.parent);
    return c.kind == Kind::picture && !c.artwork && c.visible && !c.autoSize && background && &c > background;
}

bool ArtLayout::isExit(const ComponentDesign& hotspot) const {
    if (!hotspot.parent.empty()) return false;
    const gfx::Rect client = surfaceRect({});
    const gfx::Rect r = hotspot.rect;
    const bool bottom = r.bottom() >= client.height - 6 && r.top >= client.height * 2 / 3;
    return bottom && (r.left <= 4 || r.right() >= client.width - 6);
}

std::vector<SceneElement> ArtLayout::elements(std::string_view surface, const ComponentDesign* overlay) const {
    std::vector<SceneElement> found;
    for (const ComponentDesign* c : on(surface)) {
        if (c->kind == Kind::picture && c->artwork) continue;
        if (overlayOf(*c) != overlay) continue;
        if (isHotspot(*c)) {
            found.push_back({c, ElementKind::hotspot, isExit(*c)});
        } else if (isCalm(*c)) {
            found.push_back({c, ElementKind::calm});
        } else if (isCaption(*c)) {
            found.push_back({c, ElementKind::caption});
        }
    }
    return found;
}

gfx::Rect ArtLayout::cornerAnimation(std::string_view surface) const {
    if (!surface.empty() || design_.client.width < shownScreen.width - 40) return {};
    return {0, 0, animationFrameSize.width + 4, animationFrameSize.height + 4};
}

std::vector<gfx::Rect> ArtLayout::obstacles(std::string_view surface) const {
    std::vector<gfx::Rect> rects;
    if (const gfx::Rect corner = cornerAnimation(surface); !corner.empty()) rects.push_back(corner);
    for (const SceneElement& e : elements(surface, nullptr)) rects.push_back(e.component->rect);
    const ComponentDesign* background = backgroundOf(surface);
    for (const ComponentDesign* c : on(surface))
        if (c->kind == Kind::picture && c->artwork && c->visible && (!background || c > background))
            rects.push_back(c->rect);
    return rects;
}

gfx::Rect ArtLayout::sceneArea(std::string_view surface) const {
    gfx::Rect covered = surfaceRect(surface);
    for (const ComponentDesign* c : on(surface)) {
        if (c->kind != Kind::picture || overlayOf(*c)) continue;
        const PictureRole r = role(*c);
        if (r == PictureRole::background || r == PictureRole::litLook) covered = covered.united(c->rect);
    }
    return covered;
}

std::optional<Symbol> symbolForHint(std::string_view hint) {
    static constexpr std::array<std::pair<std::string_view, Symbol>, 10> symbols{{
        {"line up", Symbol::up},
        {"line down", Symbol::down},
        {"page up", Symbol::up},
        {"page down", Symbol::down},
        {"play", Symbol::play},
        {"pause", Symbol::pause},
        {"first", Symbol::first},
        {"last", Symbol::last},
        {"10 sec. previous", Symbol::back},
        {"10 sec. next", Symbol::forward},
    }};
    for (const auto& [text, symbol] : symbols)
        if (text == hint) return symbol;
    return std::nullopt;
}

}  // namespace vemra::kit
