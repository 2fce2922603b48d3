#pragma once

#include <filesystem>

namespace vemra::kit {

// The secondary branch's reading screens: the texts of kinds 1 to 11 (data2\qem0100 … qem0110),
// the course list (data2\qem0132) with its texts (qem0111 onward) and the question list
// (data2\qem0151) with its texts (qem0141 onward).
void writeSecondaryTexts(const std::filesystem::path& root);

}  // namespace vemra::kit
