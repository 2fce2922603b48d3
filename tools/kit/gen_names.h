#pragma once

#include <filesystem>

namespace vemra::kit {

// The names screen's list, one centred row a line (data2\qem0040).
void writeNamesList(const std::filesystem::path& root);

}  // namespace vemra::kit
