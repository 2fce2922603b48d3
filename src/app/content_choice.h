#pragma once

#include <optional>
#include <string>

namespace vemra::app {

// Opens the content the program plays: the folder or disc image named on the command line, else
// the working directory, which never changes. Returns why nothing can be played: an image that
// cannot be read, or, when a title is required, no title in the folder or image (then where it
// looked and how to name the content).
std::optional<std::string> chooseContent(const std::string& contentOption, bool requireTitle);

}  // namespace vemra::app
