#pragma once

#include <span>
#include <string>

#include <nlohmann/json.hpp>

#include "shell/navigation.h"

namespace vemra::monkey {

// What is wrong with a state report, or an empty string: the screens opened are a path of the
// navigation tree (each opened by the one beneath, along a link of the map) and exactly the
// windows shown besides the main menu, the backdrop and message boxes; the active window is the
// top one; no window is shown twice; at most one message box is open; no device is past its end.
std::string insanity(const nlohmann::json& state, std::span<const shell::Link> map);

}  // namespace vemra::monkey
