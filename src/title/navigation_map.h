#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/navigation.h"

namespace vemra::title {

// Which window opens which, and through what: the program opens windows only along these links.
std::span<const shell::Link> navigationMap();

// The map as a tree in Markdown, from the intro down: every window under the one that opens it,
// with what opens it.
std::string navigationTree();

// Every window after the intro once, in the order of that tree: the main menu, then each window
// where the tree first lists it.
std::vector<std::string_view> windowsInMapOrder();

}  // namespace vemra::title
