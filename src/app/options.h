#pragma once

#include <optional>
#include <string>

#include "platform/gfx/geometry.h"

namespace vemra::app {

struct Options {
    std::string contentDir;
    int scale = 0;
    bool fullscreen = false;
    gfx::Size display{640, 480};
    bool headless = false;
    bool virtualTime = false;  // a window whose clock only the script moves
    std::string scriptFile;
    bool trace = false;
    bool toolkitCheck = false;
    bool navigationMap = false;  // print the map of the screens and stop
    std::string exportText;      // write the title's texts into this folder and stop
    bool forget = false;   // forget the content that played last in a window
    bool checkContent = false;   // read every file the title reads, report and stop
    bool json = false;           // the check's report as JSON
    bool help = false;     // print the help and end
    bool version = false;  // print the version and end
};

// Parses the command line; on a bad one returns nothing and sets `error`.
std::optional<Options> parseOptions(int argc, char** argv, std::string& error);
extern const char* const usage;
// The usage line and what every option does, for --help.
extern const char* const help;

}  // namespace vemra::app
