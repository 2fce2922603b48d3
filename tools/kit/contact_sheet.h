#pragma once

#include <filesystem>
#include <span>

namespace vemra::kit {

// Draws screenshots small, four to a row, each labelled below with its file's name (the window
// it shows), into one PNG file.
void writeContactSheet(const std::filesystem::path& out, std::span<const std::filesystem::path> shots);

}  // namespace vemra::kit
