#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vemra::media {

// Where a media file's bytes lie: a whole file, or `length` bytes from `offset` inside a larger
// file (a file's extent inside a disc image), read in place without being copied out.
struct MediaSource {
    MediaSource(std::filesystem::path f) : file(std::move(f)), name(file.string()) {}  // a whole file
    MediaSource(std::filesystem::path f, std::uint64_t at, std::uint64_t size, std::string shownName)
        : file(std::move(f)), name(std::move(shownName)), offset(at), length(size) {}

    std::filesystem::path file;
    std::string name;  // the file's own name: its extension helps to tell the format
    std::uint64_t offset = 0;
    std::optional<std::uint64_t> length;  // to the end of the file when absent
};

}  // namespace vemra::media
