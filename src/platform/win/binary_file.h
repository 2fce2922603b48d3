#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vemra::win {

// The whole content of a file; throws FormatError naming the file when it cannot be read.
std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file);

}  // namespace vemra::win
