#pragma once

#include <filesystem>

namespace vemra::kit {

// The album's titles (data2\qem0037), picture numbers (qem0038) and each entry's range of
// pictures (qem0039): the album pictures 1 … albumPictureCount in order.
void writeAlbumTexts(const std::filesystem::path& root);

}  // namespace vemra::kit
