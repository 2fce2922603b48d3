#pragma once

#include <filesystem>

namespace vemra::kit {

// Sound clips "data4\001.dat" … "data4\150.dat"; the gallery texts may refer to any of them.
inline constexpr int gallerySoundCount = 150;

// "data4\" + n with at least three digits + ".dat" under the content root.
std::filesystem::path gallerySoundPath(const std::filesystem::path& root, int n);

// Writes clips first … last (all of them without a range): each is its own number spoken in Persian (English when the Persian
// voice is missing), at least 1.5 s long, as MP3 (22.05 kHz mono, 64 kbit/s).
void writeGallerySounds(const std::filesystem::path& root, int first, int last);
void writeGallerySounds(const std::filesystem::path& root);

}  // namespace vemra::kit
