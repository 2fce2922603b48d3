#pragma once

#include <string>
#include <string_view>

#include "designs/design.h"

namespace vemra::kit {

// The Persian name the title's users know a window by (empty for a window without one).
std::string_view screenName(std::string_view window);

// The Persian words on a component of `window` that opens another window, as the navigation map
// says: that window's name, numbered by the component's tag where several components open it.
// Empty for a component that opens nothing.
std::string hotspotWords(std::string_view window, const designs::ComponentDesign& component);

}  // namespace vemra::kit
