#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vemra::win {

// A byte range of a file: `length` bytes from `offset`.
struct FileRange {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// The whole content of a regular file, or the range of it given; throws FormatError saying why it
// cannot be read ("is a directory", "is not a regular file", a range past its end, the system's
// reason), naming the file as `name` (its path when empty). Never blocks on a FIFO or device
// standing where a file should be.
std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file, const std::string& name = {},
                                         std::optional<FileRange> range = std::nullopt);

}  // namespace vemra::win
