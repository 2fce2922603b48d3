#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemra::content {

// A content tree on disk. Content paths are relative, written with backslashes ("data1\08.dat";
// slashes work too), and matched component by component ignoring ASCII case, since copies of a
// disc often change the case of names. An exact match wins; of several names that differ only in
// case, the first in byte order. Directory listings are cached: the tree does not change while the
// program runs. Absolute paths, drive letters and ".." components never resolve.
class ContentRoot {
public:
    explicit ContentRoot(std::filesystem::path directory);

    const std::filesystem::path& directory() const { return directory_; }
    std::optional<std::filesystem::path> resolve(std::string_view contentPath) const;
    // True when the path names a regular file (or a link to one).
    bool fileExists(std::string_view contentPath) const;

private:
    std::optional<std::string> findEntry(const std::filesystem::path& dir, std::string_view name) const;
    const std::vector<std::string>& listing(const std::filesystem::path& dir) const;

    std::filesystem::path directory_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, std::vector<std::string>> listings_;
};

// The content tree the program reads: the working directory at the first call, unless set (at
// start, before anything reads content).
const ContentRoot& contentRoot();
void setContentRoot(const std::filesystem::path& directory);

// The same operations on the program's content tree.
std::optional<std::filesystem::path> resolve(std::string_view contentPath);
bool fileExists(std::string_view contentPath);

}  // namespace vemra::content
