#pragma once

#include <string_view>

#include "shell/screen.h"

namespace vemra::text {

// Creates the text screen `name` (an article list, an article reader, the title and text reading
// screen or the place screen) above `opener`, or returns null when `name` is none of them.
shell::Screen* createTextScreen(std::string_view name, shell::Screen& opener);

}  // namespace vemra::text
