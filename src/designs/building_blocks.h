#pragma once

// Values and component shapes that recur across the window designs. Creation order is z-order:
// the transition cover and every picture that rests behind the background (lit exits, pressed
// looks) are created before the background, as on the hotspot screens.

#include <array>
#include <cstddef>
#include <string_view>

#include "designs/design.h"
#include "platform/gfx/font.h"

namespace vemra::designs {

inline constexpr int hotspotCursor = 5;
inline constexpr int listCursor = 2;
inline constexpr int handCursor = -21;

inline constexpr gfx::Color yellow{255, 255, 0};
inline constexpr gfx::Color white{255, 255, 255};
inline constexpr gfx::Color black{0, 0, 0};
inline constexpr gfx::Color blue{0, 0, 255};

inline constexpr std::string_view naske = "Read01 Naske";
inline constexpr std::string_view msread = "msread";

constexpr gfx::Rect fill(gfx::Size client) { return {0, 0, client.width, client.height}; }

constexpr FontDesign naskeFont(int height, gfx::Color color = yellow) {
    return {.face = naske, .height = height, .color = color};
}

// The bold system font of the time labels on the player screens.
constexpr FontDesign systemBoldFont(int height) {
    return {.face = "System", .height = height, .color = white, .style = gfx::styleBold};
}

// A picture that carries artwork of its own (art/<window>/<name>.bmp).
constexpr ComponentDesign artPicture(std::string_view name, gfx::Rect rect) {
    return {.name = name, .kind = Kind::picture, .rect = rect, .artwork = true};
}

// A picture under the hotspot cursor that carries its own lit look and is clicked while lit.
constexpr ComponentDesign litPicture(std::string_view name, gfx::Rect rect) {
    ComponentDesign picture = artPicture(name, rect);
    picture.cursor = hotspotCursor;
    return picture;
}

// A hotspot: a picture without content under the hotspot cursor; it lights by copying from a lit picture.
constexpr ComponentDesign hotspot(std::string_view name, gfx::Rect rect, int tag = 0) {
    return {.name = name, .kind = Kind::picture, .rect = rect, .cursor = hotspotCursor, .tag = tag};
}

constexpr ComponentDesign transparentLabel(std::string_view name, gfx::Rect rect, int cursor = 0) {
    return {.name = name, .kind = Kind::label, .rect = rect, .cursor = cursor, .transparent = true};
}

// A transparent label that shows text in the given font: a title, a text area or a list row.
constexpr ComponentDesign textLabel(std::string_view name, gfx::Rect rect, FontDesign font,
                                    Align alignment = Align::left) {
    return {.name = name,
            .kind = Kind::label,
            .rect = rect,
            .font = font,
            .transparent = true,
            .alignment = alignment};
}

// The same component showing a hint on hover.
constexpr ComponentDesign withHint(ComponentDesign c, std::string_view hint) {
    c.hint = hint;
    c.showHint = true;
    return c;
}

// The same component hidden as designed.
constexpr ComponentDesign hidden(ComponentDesign c) {
    c.visible = false;
    return c;
}

// The same component placed inside a panel, in the panel's coordinates.
constexpr ComponentDesign inside(std::string_view panel, ComponentDesign c) {
    c.parent = panel;
    return c;
}

// A line-up or line-down arrow of a list or text area.
constexpr ComponentDesign arrowLabel(std::string_view name, gfx::Rect rect, std::string_view hint) {
    return withHint(transparentLabel(name, rect, hotspotCursor), hint);
}

// A label that is never shown; its handlers serve the screen's code.
constexpr ComponentDesign invisibleLabel(std::string_view name, gfx::Rect rect) {
    return {.name = name, .kind = Kind::label, .rect = rect, .visible = false};
}

constexpr ComponentDesign timer(std::string_view name, int interval, bool enabled) {
    return {.name = name, .kind = Kind::timer, .interval = interval, .timerEnabled = enabled};
}

// Collects components in creation order for the designs built from a table of differences.
template <std::size_t N>
class ComponentList {
public:
    constexpr void add(const ComponentDesign& c) { items_[count_++] = c; }
    // The same component shape at N positions: the rows of a list, each named from `names`.
    template <std::size_t Rows>
    constexpr void addRows(const std::array<std::string_view, Rows>& names, ComponentDesign shape, int pitch) {
        for (std::size_t i = 0; i < Rows; ++i) {
            shape.name = names[i];
            add(shape);
            shape.rect.top += pitch;
        }
    }
    constexpr std::array<ComponentDesign, N> finished() const {
        if (count_ != N) throw "component count differs from the declared size";
        return items_;
    }

private:
    std::array<ComponentDesign, N> items_{};
    std::size_t count_ = 0;
};

}  // namespace vemra::designs
