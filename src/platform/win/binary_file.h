#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vemra::win {

// The whole content of a regular file; throws FormatError saying why it cannot be read ("is a
// directory", "is not a regular file", the system's reason), naming the file as `name` (its path
// when empty). Never blocks on a FIFO or device standing where a file should be.
std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file, const std::string& name = {});

}  // namespace vemra::win
