#include "platform/ui/screenshot.h"

#include <ctime>
#include <cstdlib>
#include <exception>
#include <string>
#include <system_error>

#include "platform/gfx/png.h"
#include "platform/ui/trace.h"

namespace vemra::ui {

std::optional<std::filesystem::path> picturesDirectory() {
    if (const char* dir = std::getenv("XDG_PICTURES_DIR"); dir && *dir) return std::filesystem::path(dir);
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / "Pictures";
    return std::nullopt;
}

namespace {

std::filesystem::path freeName(const std::filesystem::path& dir) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "vemra-%Y%m%d-%H%M%S", &local);
    std::error_code error;
    std::filesystem::path file = dir / (std::string(stamp) + ".png");
    for (int n = 2; std::filesystem::exists(file, error); ++n) file = dir / (std::string(stamp) + "-" + std::to_string(n) + ".png");
    return file;
}

}  // namespace

void saveScreenshot(const gfx::Bitmap& display) {
    const auto dir = picturesDirectory();
    if (!dir) {
        trace("screenshot not saved", "no pictures directory ($XDG_PICTURES_DIR or $HOME)");
        return;
    }
    try {
        std::filesystem::create_directories(*dir);
        const std::filesystem::path file = freeName(*dir);
        gfx::writePng(display, file);
        trace("screenshot", file.string());
    } catch (const std::exception& e) {
        trace("screenshot not saved", e.what());
    }
}

}  // namespace vemra::ui
