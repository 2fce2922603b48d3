#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/content_source.h"

namespace vemra::content {

// A content tree in a folder. Directory listings are cached: the tree does not change while the
// program runs.
class FolderSource final : public ContentSource {
public:
    explicit FolderSource(std::filesystem::path directory);

    const std::filesystem::path& location() const override { return directory_; }
    EntryKind kind(std::string_view contentPath) const override;
    using ContentSource::read;
    std::vector<std::uint8_t> read(std::string_view contentPath, std::uint64_t maxBytes) const override;
    std::optional<media::MediaSource> mediaSource(std::string_view contentPath) const override;
    std::vector<std::string> entries(std::string_view directoryPath) const override;

    // The file or directory a content path names.
    std::optional<std::filesystem::path> resolve(std::string_view contentPath) const;

private:
    std::optional<std::string> findEntry(const std::filesystem::path& dir, std::string_view name) const;
    const std::vector<std::string>& listing(const std::filesystem::path& dir) const;

    std::filesystem::path directory_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, std::vector<std::string>> listings_;
};

}  // namespace vemra::content
