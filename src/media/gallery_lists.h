#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "content/whole_text_file.h"

namespace vemra::media_screens {

// The entries of one gallery list: their titles in entry order and the index each stands for.
struct GalleryEntries {
    std::vector<std::string> titles;
    std::vector<int> indexes;
};

// The lists of the galleries: the pictures' and the sounds' titles; the first and last picture
// entry of each gallery section and the picture entries (title line numbers); the first and last
// sound entry of each picture and the sound entries.
inline constexpr std::string_view pictureTitlesFile = "data2\\qem0026.dat";
inline constexpr std::string_view soundTitlesFile = "data2\\qem0025.dat";
inline constexpr std::string_view gallerySectionsFile = "data2\\qem0028.dat";
inline constexpr std::string_view pictureEntriesFile = "data2\\qem0027.dat";
inline constexpr std::string_view pictureSoundsFile = "data2\\qem0030.dat";
inline constexpr std::string_view soundEntriesFile = "data2\\qem0029.dat";

// A list holds at most this many entries; the surplus of a longer range is left out.
inline constexpr std::size_t galleryListLimit = 51;

// The entries of a gallery list run from the first to the last entry number of a range record;
// each entry (8 characters, counted from 0) is the line number (from 1) of its title, and its index
// is that number − 1. A last entry below the first gives no entries. A field that is not a number,
// or a line number that the titles do not hold, throws ContentError.
//
// The pictures of gallery section `section` (counted from 1).
GalleryEntries galleryPictures(const content::WholeTextFile& sections, int section,
                               const content::WholeTextFile& pictureEntries,
                               const std::vector<std::string>& pictureTitles);
// The sounds of picture `picture` (its index, counted from 0).
GalleryEntries pictureSounds(const content::WholeTextFile& pictureSounds, int picture,
                             const content::WholeTextFile& soundEntries, const std::vector<std::string>& soundTitles);

// "data3\07.bmp" for picture index 6, "data3\12.bmp" for 11.
std::string galleryPicturePath(int pictureIndex);
// "data4\007.dat" for sound index 6, "data4\042.dat" for 41, "data4\123.dat" for 122.
std::string gallerySoundPath(int soundIndex);

}  // namespace vemra::media_screens
