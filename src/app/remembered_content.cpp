#include "app/remembered_content.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "app/title_places.h"

namespace vemra::app {

namespace {

constexpr const char* contentKey = "content=";

std::filesystem::path configFile() {
    const auto config = configHome();
    return config.empty() ? config : config / "vemra" / "vemra.conf";
}

std::optional<std::string> writeWhole(const std::filesystem::path& file, const std::string& text) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) return file.parent_path().string() + ": " + error.message();
    const auto temporary = std::filesystem::path(file).concat(".new");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) return temporary.string() + ": " + std::strerror(errno);
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return file.string() + ": cannot replace it";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> rememberedContent() {
    const auto file = configFile();
    if (file.empty()) return std::nullopt;
    std::istringstream lines(readConfigText(file));
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(contentKey) && line.size() > std::strlen(contentKey) && line[std::strlen(contentKey)] == '/')
            return std::filesystem::path(line.substr(std::strlen(contentKey)));
    return std::nullopt;
}

std::optional<std::string> rememberContent(const std::filesystem::path& location) {
    const auto file = configFile();
    if (file.empty()) return "no home folder to keep it in";
    std::error_code error;
    const auto absolute = std::filesystem::absolute(location, error).lexically_normal();
    const std::string path = absolute.string();
    // A line per setting: a path with a line break in it cannot be kept.
    if (error || path.find('\n') != std::string::npos) return path + ": cannot be kept";
    if (rememberedContent() == absolute) return std::nullopt;
    return writeWhole(file, "# What vemra played last; it plays again when no content is named.\n" + std::string(contentKey) + path + "\n");
}

std::optional<std::string> forgetContent() {
    const auto file = configFile();
    std::error_code error;
    if (!file.empty()) std::filesystem::remove(file, error);
    if (error) return file.string() + ": " + error.message();
    return std::nullopt;
}

}  // namespace vemra::app
