#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/binary_reader.h"

namespace vemra::win {

// A file larger than a reader allows: thrown before anything is read, with the size the file has.
class TooLargeError : public FormatError {
public:
    TooLargeError(const std::string& what, std::uint64_t size) : FormatError(what), size_(size) {}
    std::uint64_t size() const { return size_; }

private:
    std::uint64_t size_;
};

// A byte range of a file: `length` bytes from `offset`.
struct FileRange {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// The whole content of a regular file, or the range of it given; throws FormatError saying why it
// cannot be read ("is a directory", "is not a regular file", a range past its end, the system's
// reason), naming the file as `name` (its path when empty), and TooLargeError when what it would
// read is more than `maxBytes`. Never blocks on a FIFO or device standing where a file should be.
std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file, const std::string& name = {},
                                         std::optional<FileRange> range = std::nullopt,
                                         std::uint64_t maxBytes = UINT64_MAX);

}  // namespace vemra::win
