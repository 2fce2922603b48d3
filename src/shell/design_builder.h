#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "designs/design.h"
#include "platform/gfx/bitmap.h"
#include "platform/ui/window.h"

namespace vemra::shell {

// Supplies a component's design-time picture (art/<window>/<component>.bmp); nothing when absent.
using ArtSource = std::function<std::optional<gfx::Bitmap>(std::string_view window, std::string_view component)>;

// Gives the window its designed size, border and colour and creates its components in design order.
void buildFromDesign(ui::Window& window, const designs::WindowDesign& design, const ArtSource& art);

// A component of a built window by name and kind; a missing one is a programming error.
template <class T>
T& component(ui::Window& window, std::string_view name) {
    if (auto* c = dynamic_cast<T*>(window.find(name))) return *c;
    throw std::logic_error(window.name() + " has no component " + std::string(name) + " of that kind");
}

}  // namespace vemra::shell
