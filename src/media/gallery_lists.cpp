#include "media/gallery_lists.h"

#include <algorithm>

#include "content/content_error.h"

namespace vemra::media_screens {

namespace {

// The entries of the range record at the 1-based `position` of `ranges`.
GalleryEntries galleryEntries(const content::WholeTextFile& ranges, std::int64_t position,
                              const content::WholeTextFile& entries, const std::vector<std::string>& titles,
                              std::string_view titlesName) {
    const std::int64_t first = ranges.field(position);
    const std::int64_t last = std::min<std::int64_t>(ranges.field(position + 8), first + galleryListLimit - 1);
    GalleryEntries list;
    for (std::int64_t e = first; e <= last; ++e) {
        const std::int32_t line = entries.field(e * 8 + 1);
        if (line < 1 || std::size_t(line) > titles.size())
            throw content::ContentError(entries.name() + ": entry " + std::to_string(e) + " names line " +
                                        std::to_string(line) + ", but " + std::string(titlesName) + " has " +
                                        std::to_string(titles.size()));
        list.indexes.push_back(line - 1);
        list.titles.push_back(titles[std::size_t(line - 1)]);
    }
    return list;
}

}  // namespace

GalleryEntries galleryPictures(const content::WholeTextFile& sections, int section,
                               const content::WholeTextFile& pictureEntries,
                               const std::vector<std::string>& pictureTitles) {
    return galleryEntries(sections, std::int64_t(section - 1) * 16 + 1, pictureEntries, pictureTitles,
                          pictureTitlesFile);
}

GalleryEntries pictureSounds(const content::WholeTextFile& pictureSounds, int picture,
                             const content::WholeTextFile& soundEntries, const std::vector<std::string>& soundTitles) {
    return galleryEntries(pictureSounds, std::int64_t(picture) * 16 + 1, soundEntries, soundTitles, soundTitlesFile);
}

std::string galleryPicturePath(int pictureIndex) {
    const int n = pictureIndex + 1;
    return "data3\\" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".bmp";
}

std::string gallerySoundPath(int soundIndex) {
    const int n = soundIndex + 1;
    return "data4\\" + std::string(n < 10 ? "00" : n < 100 ? "0" : "") + std::to_string(n) + ".dat";
}

}  // namespace vemra::media_screens
