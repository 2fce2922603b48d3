#pragma once

#include <string>

namespace vemra::sdl {

// Shows `text` in the desktop's own error box, titled with the program's name, and waits for its
// button. False when there is no display to show it on.
bool showErrorBox(const std::string& text);

}  // namespace vemra::sdl
