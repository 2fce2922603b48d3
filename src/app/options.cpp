#include "app/options.h"

#include <charconv>
#include <string_view>

namespace vemra::app {

const char* const usage =
    "usage: vemra [--content DIR] [--scale N] [--fullscreen] [--display WxH]\n"
    "             [--headless] [--virtual-time] [--script FILE] [--trace] [--toolkit-check]\n"
    "             [--navigation-map]\n";

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
        } else if (arg == "--content" || arg == "--script" || arg == "--scale" || arg == "--display") {
            const auto v = value();
            if (!v) {
                error = std::string(arg) + " needs a value";
                return std::nullopt;
            }
            if (arg == "--content") o.contentDir = *v;
            if (arg == "--script") o.scriptFile = *v;
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
        } else {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        }
    }
    return o;
}

}  // namespace vemra::app
