#include "content/folder_source.h"

#include <algorithm>

#include "content/content_error.h"
#include "content/content_path.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"

namespace vemra::content {

FolderSource::FolderSource(std::filesystem::path directory) : directory_(std::filesystem::absolute(directory)) {}

std::optional<std::filesystem::path> FolderSource::resolve(std::string_view contentPath) const {
    const auto parts = splitContentPath(contentPath);
    if (!parts) return std::nullopt;
    std::filesystem::path current = directory_;
    for (const std::string_view part : *parts) {
        const auto name = findEntry(current, part);
        if (!name) return std::nullopt;
        current /= *name;
    }
    return current;
}

EntryKind FolderSource::kind(std::string_view contentPath) const {
    const auto path = resolve(contentPath);
    std::error_code error;
    if (!path) return EntryKind::none;
    if (std::filesystem::is_regular_file(*path, error)) return EntryKind::file;
    if (std::filesystem::is_directory(*path, error)) return EntryKind::directory;
    return EntryKind::other;
}

std::vector<std::uint8_t> FolderSource::read(std::string_view contentPath, std::uint64_t maxBytes) const {
    const auto file = resolve(contentPath);
    if (!file) throw ContentError("cannot open " + std::string(contentPath) + ": no such file");
    try {
        return win::readBinaryFile(*file, std::string(contentPath), std::nullopt, maxBytes);
    } catch (const win::TooLargeError&) {
        throw;
    } catch (const win::FormatError& e) {
        throw ContentError(e.what());
    }
}

std::optional<media::MediaSource> FolderSource::mediaSource(std::string_view contentPath) const {
    auto file = resolve(contentPath);
    if (!file) return std::nullopt;
    return media::MediaSource(std::move(*file));
}

std::vector<std::string> FolderSource::entries(std::string_view directoryPath) const {
    const auto directory = directoryPath.empty() ? std::optional(directory_) : resolve(directoryPath);
    std::error_code error;
    if (!directory || !std::filesystem::is_directory(*directory, error)) return {};
    return listing(*directory);
}

std::optional<std::string> FolderSource::findEntry(const std::filesystem::path& dir, std::string_view name) const {
    std::error_code error;
    if (std::filesystem::exists(dir / name, error)) return std::string(name);
    const std::string* found = matchName(listing(dir), name);
    if (!found) return std::nullopt;
    return *found;
}

const std::vector<std::string>& FolderSource::listing(const std::filesystem::path& dir) const {
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

}  // namespace vemra::content
