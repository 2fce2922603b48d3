#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vemra::app {

// Opens the content the program plays: the folder or disc image named on the command line, else
// the working directory, which never changes. Returns why nothing can be played: an image that
// cannot be read, or, when a title is required, no title in the folder or image (then where it
// looked and how to name the content).
std::optional<std::string> chooseContent(const std::string& contentOption, bool requireTitle);

// Where the title's content comes from at a start: the content named, else the working directory
// when it holds a title; else, with a window, the content that played last in a window (when it is
// still there); else, with a window, nothing yet: the first-run window lets the user choose.
struct ContentStart {
    std::optional<std::string> problem = {};  // why nothing can be played: the program ends
    bool firstRun = false;
    std::string rememberedGone = {};  // why what played last cannot play now, a line for the user
};
ContentStart startContent(const std::string& named, bool window);

}  // namespace vemra::app
