#pragma once

#include <span>

#include "shell/navigation.h"

namespace vemra::menus {

// Which window opens which, and through what: the program opens windows only along these links.
std::span<const shell::Link> navigationMap();

}  // namespace vemra::menus
