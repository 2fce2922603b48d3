#pragma once

#include <string_view>

#include "shell/screen.h"

namespace vemra::text {

// Creates the text screen `name` (an article list, the title and text reading screen or the place
// screen) above `opener`, or returns null when `name` is none of them. The place screen opens
// screens of other families through `otherScreens`.
shell::Screen* createTextScreen(std::string_view name, shell::Screen& opener, const shell::ScreenMaker& otherScreens);

}  // namespace vemra::text
