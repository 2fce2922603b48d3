#pragma once

#include <filesystem>

namespace vemra::kit {

// The galleries' lists: sound titles (data2\qem0025), picture titles (qem0026), picture entries
// (qem0027), gallery sections (qem0028), sound entries (qem0029) and each picture's sounds
// (qem0030). Every gallery picture and every gallery sound of the tree is listed once.
void writeGalleryTexts(const std::filesystem::path& root);

}  // namespace vemra::kit
