#pragma once

#include <string_view>

#include "shell/screen.h"

namespace vemra::menus {

// Creates the screen `name` above `opener`, or returns null for a screen the program does not
// have yet (the click then does nothing and the trace says so).
shell::Screen* createScreen(std::string_view name, shell::Screen& opener);

}  // namespace vemra::menus
