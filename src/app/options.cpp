#include "app/options.h"

#include <charconv>
#include <string_view>

namespace vemra::app {

const char* const usage =
    "usage: vemra [--content DIR|IMAGE | DIR|IMAGE] [--scale N] [--fullscreen] [--display WxH]\n"
    "             [--headless] [--virtual-time] [--script FILE] [--trace] [--toolkit-check]\n"
    "             [--navigation-map] [--export-text OUT] [--check-content [DIR|IMAGE] [--json]]\n"
    "             [--forget] [--help] [--version]\n";

const char* const help =
    "Plays the title from its content: a folder holding data1 ... data5 and the fonts, or the\n"
    "title's disc image (an ISO 9660 .iso file), read in place.\n"
    "\n"
    "  --content DIR|IMAGE  the content folder or disc image (default: the working directory);\n"
    "                       it may also be named alone, without --content\n"
    "  --scale N            show the display N times its size (default: the largest that fits)\n"
    "  --fullscreen         start in full screen (Alt+Enter toggles it)\n"
    "  --display WxH        the logical display the screens are centred on (default 640x480)\n"
    "  --headless           no window; time moves only as the script says\n"
    "  --virtual-time       with a window, time moves only as the script says\n"
    "  --script FILE        play a script of input and checks (see README)\n"
    "  --trace              one line per event of note on standard error\n"
    "  --toolkit-check      a small screen that exercises the toolkit instead of the title\n"
    "  --navigation-map     print the map of the windows (which opens which) and end\n"
    "  --export-text OUT    write every text of the title as UTF-8 into the folder OUT, without\n"
    "                       a window: an HTML book (OUT/html/index.html) and plain text files\n"
    "                       (OUT/text/), then a report of what was converted and left out; exit\n"
    "                       code 1 when a damaged file was left out\n"
    "  --forget             forget the content that played last in a window\n"
    "  --check-content [DIR|IMAGE]\n"
    "                       read every file the title can read, as the title reads it, without a\n"
    "                       window, and print a table a folder (ok, missing or damaged and why)\n"
    "                       and a summary; exit code 1 when a file is missing or damaged\n"
    "  --json               with --check-content: the report as JSON\n"
    "  --help               show this help and end\n"
    "  --version            show the version and end\n"
    "\n"
    "With a window and no content named (and none in the working directory), the program plays\n"
    "what played last in a window, kept in $XDG_CONFIG_HOME/vemra/vemra.conf; else it opens a\n"
    "window of its own that lists the titles it finds on mounted discs (under /media and /mnt)\n"
    "and in the download folder, on the desktop and in the home folder, and plays a title's\n"
    "folder or disc image dropped onto it. Errors before the title starts show in a box too.\n"
    "\n"
    "F12 saves a picture of the display in $XDG_PICTURES_DIR (else ~/Pictures).\n"
    "Ctrl+C copies the text a screen shows as Unicode; Ctrl+V types the clipboard into the search box.\n"
    "F5 reads a reading screen's text aloud through speech-dispatcher; F5 again or Escape stops it.\n"
    "The program keeps its own files in $VEMRA_WINDOWS_DIR, else $XDG_STATE_HOME/vemra/windows.\n";

namespace {
bool toInt(std::string_view s, int& out) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}
}  // namespace

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= argc) return std::nullopt;
            return std::string_view(argv[++i]);
        };
        if (arg == "--fullscreen") {
            o.fullscreen = true;
        } else if (arg == "--headless") {
            o.headless = true;
        } else if (arg == "--virtual-time") {
            o.virtualTime = true;
        } else if (arg == "--trace") {
            o.trace = true;
        } else if (arg == "--toolkit-check") {
            o.toolkitCheck = true;
        } else if (arg == "--navigation-map") {
            o.navigationMap = true;
        } else if (arg == "--check-content") {
            o.checkContent = true;
            if (i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("-")) {
                if (!o.contentDir.empty()) {
                    error = "the content is named twice";
                    return std::nullopt;
                }
                o.contentDir = argv[++i];
            }
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--forget") {
            o.forget = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--content" || arg == "--script" || arg == "--scale" || arg == "--display" ||
                   arg == "--export-text") {
            const auto v = value();
            if (!v) {
                error = std::string(arg) + " needs a value";
                return std::nullopt;
            }
            if (arg == "--content") o.contentDir = *v;
            if (arg == "--script") o.scriptFile = *v;
            if (arg == "--export-text" && (o.exportText = *v).empty()) {
                error = "--export-text needs a folder";
                return std::nullopt;
            }
            if (arg == "--scale" && (!toInt(*v, o.scale) || o.scale < 1 || o.scale > 16)) {
                error = "--scale needs a whole number from 1 to 16";
                return std::nullopt;
            }
            if (arg == "--display") {
                const auto x = v->find('x');
                if (x == std::string_view::npos || !toInt(v->substr(0, x), o.display.width) ||
                    !toInt(v->substr(x + 1), o.display.height) || o.display.width < 640 || o.display.height < 480 ||
                    o.display.width > 8192 || o.display.height > 8192) {
                    error = "--display needs WxH, at least 640x480";
                    return std::nullopt;
                }
            }
        } else if (!arg.starts_with("-") && o.contentDir.empty()) {
            o.contentDir = arg;  // a disc image or folder opened with the program
        } else {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        }
    }
    if (o.json && !o.checkContent) {
        error = "--json goes with --check-content";
        return std::nullopt;
    }
    return o;
}

}  // namespace vemra::app
