#include "content/paths.h"

#include <algorithm>
#include <memory>

namespace vemra::content {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return fold(x) == fold(y);
           });
}

std::vector<std::string_view> components(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::unique_ptr<ContentRoot>& rootSlot() {
    static std::unique_ptr<ContentRoot> root;
    return root;
}

}  // namespace

ContentRoot::ContentRoot(std::filesystem::path directory) : directory_(std::move(directory)) {}

std::optional<std::filesystem::path> ContentRoot::resolve(std::string_view contentPath) const {
    const auto parts = components(contentPath);
    if (contentPath.empty() || parts.front().empty()) return std::nullopt;
    std::filesystem::path current = directory_;
    for (const std::string_view part : parts) {
        if (part.empty() || part == ".") continue;
        if (part == ".." || part.find_first_of(std::string_view(":\0", 2)) != std::string_view::npos)
            return std::nullopt;
        const auto name = findEntry(current, part);
        if (!name) return std::nullopt;
        current /= *name;
    }
    return current;
}

bool ContentRoot::fileExists(std::string_view contentPath) const {
    const auto path = resolve(contentPath);
    std::error_code error;
    return path && std::filesystem::is_regular_file(*path, error);
}

std::optional<std::string> ContentRoot::findEntry(const std::filesystem::path& dir, std::string_view name) const {
    std::error_code error;
    if (std::filesystem::exists(dir / name, error)) return std::string(name);
    const auto& names = listing(dir);
    const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& n) { return sameIgnoringCase(n, name); });
    if (found == names.end()) return std::nullopt;
    return *found;
}

const std::vector<std::string>& ContentRoot::listing(const std::filesystem::path& dir) const {
    const std::lock_guard lock(mutex_);
    const auto [it, added] = listings_.try_emplace(dir.string());
    if (added) {
        std::error_code error;
        for (std::filesystem::directory_iterator i(dir, error), end; !error && i != end; i.increment(error))
            it->second.push_back(i->path().filename().string());
        std::sort(it->second.begin(), it->second.end());
    }
    return it->second;
}

const ContentRoot& contentRoot() {
    auto& root = rootSlot();
    if (!root) root = std::make_unique<ContentRoot>(std::filesystem::current_path());
    return *root;
}

void setContentRoot(const std::filesystem::path& directory) {
    rootSlot() = std::make_unique<ContentRoot>(std::filesystem::absolute(directory));
}

std::optional<std::filesystem::path> resolve(std::string_view contentPath) { return contentRoot().resolve(contentPath); }

bool fileExists(std::string_view contentPath) { return contentRoot().fileExists(contentPath); }

}  // namespace vemra::content
