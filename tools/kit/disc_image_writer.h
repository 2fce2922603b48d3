#pragma once

#include <filesystem>

namespace vemra::kit {

enum class DiscNames {
    asInTree,  // Joliet and Rock Ridge names: the tree's own names and case
    oldDisc,   // plain ISO 9660 only: upper-case 8.3 names with ";1" versions, as old discs have them
};

// Writes an ISO 9660 image of a content tree (xorriso does the writing); the same tree gives the
// same bytes. The kit's stamp file stays out.
void writeDiscImage(const std::filesystem::path& tree, const std::filesystem::path& image, DiscNames names);

}  // namespace vemra::kit
