#include "app/title_places.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace vemra::app {

namespace {

// A configuration file is a few lines; anything past this is not one.
constexpr std::size_t maxConfigBytes = 64 * 1024;

std::string userName() {
    if (const char* u = std::getenv("USER"); u && *u) return u;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_name ? entry->pw_name : "";
}

std::vector<std::filesystem::path> mountRoots() {
    std::vector<std::filesystem::path> roots;
    if (const char* list = std::getenv("VEMRA_MOUNT_ROOTS")) {
        std::istringstream in(list);
        for (std::string root; std::getline(in, root, ':');)
            if (!root.empty()) roots.emplace_back(root);
        return roots;
    }
    const std::string user = userName();
    if (!user.empty()) roots.insert(roots.end(), {std::filesystem::path("/media") / user, std::filesystem::path("/run/media") / user});
    roots.insert(roots.end(), {"/media", "/mnt"});
    return roots;
}

// The folder a line of user-dirs.dirs gives for `key` ("XDG_DOWNLOAD_DIR"): a quoted absolute
// path or one starting with $HOME/.
std::optional<std::filesystem::path> userDir(const std::string& text, const std::string& key) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(key + "=\"") || line.size() < key.size() + 3 || line.back() != '"') continue;
        std::string value = line.substr(key.size() + 2, line.size() - key.size() - 3);
        if (value.starts_with("$HOME/")) return homeFolder() / value.substr(6);
        if (value.starts_with("/")) return std::filesystem::path(value);
    }
    return std::nullopt;
}

}  // namespace

std::filesystem::path homeFolder() {
    const char* h = std::getenv("HOME");
    return h && *h == '/' ? std::filesystem::path(h) : std::filesystem::path();
}

std::string readConfigText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text(maxConfigBytes, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
    return text;
}

std::filesystem::path configHome() {
    if (const char* c = std::getenv("XDG_CONFIG_HOME"); c && *c == '/') return c;
    const auto h = homeFolder();
    return h.empty() ? h : h / ".config";
}

std::vector<TitlePlace> titlePlaces() {
    std::vector<TitlePlace> places;
    const auto add = [&](const std::filesystem::path& folder, bool mountRoot) {
        const auto same = [&](const TitlePlace& p) { return p.folder == folder; };
        if (!folder.empty() && std::none_of(places.begin(), places.end(), same)) places.push_back({folder, mountRoot});
    };
    for (const auto& root : mountRoots()) add(root, true);
    const auto h = homeFolder();
    if (h.empty()) return places;
    const std::string dirs = configHome().empty() ? std::string() : readConfigText(configHome() / "user-dirs.dirs");
    add(userDir(dirs, "XDG_DOWNLOAD_DIR").value_or(h / "Downloads"), false);
    add(userDir(dirs, "XDG_DESKTOP_DIR").value_or(h / "Desktop"), false);
    add(h, false);
    return places;
}

}  // namespace vemra::app
