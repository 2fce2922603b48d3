#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace vemra::kit {

// Creates `root` and writes the demo content tree into it, one step after another (each step a
// function of its own file), telling `progress` the name of each step before it runs.
void writeDemo(const std::filesystem::path& root, const std::function<void(std::string_view)>& progress);

}  // namespace vemra::kit
