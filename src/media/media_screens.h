#pragma once

#include <string_view>

#include "shell/screen.h"

namespace vemra::media_screens {

// Creates the player or gallery `name` above `opener`, or returns null when `name` is none of them.
shell::Screen* createMediaScreen(std::string_view name, shell::Screen& opener);

}  // namespace vemra::media_screens
