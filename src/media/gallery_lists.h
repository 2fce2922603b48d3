#pragma once

#include <string>
#include <vector>

#include "content/whole_text_file.h"

namespace vemra::media_screens {

// The entries of one gallery list: their titles in entry order and the index each stands for.
struct GalleryEntries {
    std::vector<std::string> titles;
    std::vector<int> indexes;
};

// A list holds at most this many entries; the surplus of a longer range is left out.
inline constexpr std::size_t galleryListLimit = 51;

// The entries from the first to the last entry number of a range record at the 1-based `position`
// of `ranges`: each entry of `entries` (8 characters, counted from 0) is the line number (from 1)
// of its title in `titles`, and its index is that number − 1. A last entry below the first gives
// no entries. A field that is not a number, or a line number that `titles` does not hold, throws
// ContentError.
GalleryEntries galleryEntries(const content::WholeTextFile& ranges, std::int64_t position,
                              const content::WholeTextFile& entries, const std::vector<std::string>& titles,
                              std::string_view titlesName);

// "data3\07.bmp" for picture index 6, "data3\12.bmp" for 11.
std::string galleryPicturePath(int pictureIndex);
// "data4\007.dat" for sound index 6, "data4\042.dat" for 41, "data4\123.dat" for 122.
std::string gallerySoundPath(int soundIndex);

}  // namespace vemra::media_screens
