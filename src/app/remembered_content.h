#pragma once

#include <filesystem>
#include <optional>

namespace vemra::app {

// The content that last played in a window, kept as an absolute path in
// $XDG_CONFIG_HOME/vemra/vemra.conf (else ~/.config/vemra/vemra.conf), so that a start with no
// content named plays it again. Headless runs never use it.
std::optional<std::filesystem::path> rememberedContent();
// Keeps `location` (made absolute), replacing the file whole: a crash leaves the old one or the new
// one. Returns why it could not, or nothing.
std::optional<std::string> rememberContent(const std::filesystem::path& location);
std::optional<std::string> forgetContent();

}  // namespace vemra::app
