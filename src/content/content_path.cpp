#include "content/content_path.h"

#include <algorithm>

namespace vemra::content {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return fold(x) == fold(y);
           });
}

std::optional<std::vector<std::string_view>> splitContentPath(std::string_view contentPath) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= contentPath.size()) {
        const std::size_t end = std::min(contentPath.find_first_of("\\/", start), contentPath.size());
        const std::string_view part = contentPath.substr(start, end - start);
        if (start == 0 && part.empty()) return std::nullopt;  // empty or absolute
        if (part == ".." || part.find_first_of(std::string_view(":\0", 2)) != std::string_view::npos)
            return std::nullopt;
        if (!part.empty() && part != ".") parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

const std::string* matchName(const std::vector<std::string>& sortedNames, std::string_view name) {
    if (std::binary_search(sortedNames.begin(), sortedNames.end(), name))
        return &*std::lower_bound(sortedNames.begin(), sortedNames.end(), name);
    const auto found = std::find_if(sortedNames.begin(), sortedNames.end(),
                                    [&](const std::string& n) { return sameIgnoringCase(n, name); });
    return found == sortedNames.end() ? nullptr : &*found;
}

}  // namespace vemra::content
