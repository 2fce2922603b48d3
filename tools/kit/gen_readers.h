#pragma once

#include <filesystem>

namespace vemra::kit {

// The main menu's reading screen (titles, index and texts: data2\qem0015 … qem0017) and the
// place screen's place texts (data2\qem0013, qem0014).
void writeReadingTexts(const std::filesystem::path& root);

}  // namespace vemra::kit
