#pragma once

#include <filesystem>

namespace vemra::kit {

// The titles of the video clips, one a clip in clip order (data2\qem0045).
void writeClipTitles(const std::filesystem::path& root);

}  // namespace vemra::kit
