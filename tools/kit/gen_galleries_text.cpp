#include "kit/gen_galleries_text.h"

#include <stdexcept>

#include "kit/corpus/corpus.h"
#include "kit/demo_sizes.h"
#include "kit/shaper.h"
#include "kit/text_files.h"

namespace vemra::kit {

namespace {

constexpr std::size_t entriesPerList = 51;  // a gallery's pictures, a picture's sounds

// Entries are counted from 0; an empty range has its last entry before its first.
FieldRecord entryRange(std::size_t first, std::size_t end) { return {std::int64_t(first), std::int64_t(end) - 1}; }

}  // namespace

void writeGalleryTexts(const std::filesystem::path& root) {
    std::vector<std::string> pictureTitles, soundTitles;
    std::vector<FieldRecord> sections, pictureEntries, pictureSounds, soundEntries;
    for (const corpus::Gallery& gallery : corpus::galleries()) {
        if (gallery.pictures.size() > entriesPerList) throw std::logic_error("a gallery holds at most 51 pictures");
        const std::size_t firstPicture = pictureEntries.size();
        std::size_t name = 0;  // the gallery's sounds take its sound names in turn
        for (const corpus::GalleryPicture& picture : gallery.pictures) {
            if (std::size_t(picture.soundCount) > entriesPerList)
                throw std::logic_error("a picture has at most 51 sounds");
            pictureTitles.push_back(shape(picture.title));
            pictureEntries.push_back({std::int64_t(pictureTitles.size())});
            const std::size_t firstSound = soundEntries.size();
            for (int s = 0; s < picture.soundCount; ++s) {
                const std::string_view soundName = gallery.soundNames[name++ % gallery.soundNames.size()];
                soundTitles.push_back(shape(std::string(soundName) + ' ' + std::to_string(soundTitles.size() + 1)));
                soundEntries.push_back({std::int64_t(soundTitles.size())});
            }
            pictureSounds.push_back(entryRange(firstSound, soundEntries.size()));
        }
        sections.push_back(entryRange(firstPicture, pictureEntries.size()));
    }
    if (pictureTitles.size() != std::size_t(galleryPictureCount) || soundTitles.size() != std::size_t(gallerySoundCount))
        throw std::logic_error("the galleries must list every gallery picture and sound of the tree once");

    writeLineFile(contentFile(root, textFilePath(25)), soundTitles);
    writeLineFile(contentFile(root, textFilePath(26)), pictureTitles);
    writeFieldFile(contentFile(root, textFilePath(27)), pictureEntries, 1);
    writeFieldFile(contentFile(root, textFilePath(28)), sections, 2);
    writeFieldFile(contentFile(root, textFilePath(29)), soundEntries, 1);
    writeFieldFile(contentFile(root, textFilePath(30)), pictureSounds, 2);
}

}  // namespace vemra::kit
