#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vemra::content {

// The bytes of a content file. Throws ContentError naming the content path and the reason: "no such
// file", "is a directory", or why the system could not read it. Every reader of the tree comes here.
std::vector<std::uint8_t> readContentFile(std::string_view contentPath);

}  // namespace vemra::content
