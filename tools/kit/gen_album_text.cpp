#include "kit/gen_album_text.h"

#include <stdexcept>

#include "kit/corpus/corpus.h"
#include "kit/demo_sizes.h"
#include "kit/shaper.h"
#include "kit/text_files.h"

namespace vemra::kit {

namespace {

constexpr int picturesPerEntry = 70;

}  // namespace

void writeAlbumTexts(const std::filesystem::path& root) {
    std::vector<std::string> titles;
    std::vector<FieldRecord> pictures, ranges;
    for (const corpus::AlbumEntry& entry : corpus::albumEntries()) {
        if (entry.pictureCount < 1 || entry.pictureCount > picturesPerEntry)
            throw std::logic_error("an album entry shows 1 to 70 pictures");
        titles.push_back(shape(entry.title));
        const std::int64_t first = std::int64_t(pictures.size());
        for (int p = 0; p < entry.pictureCount; ++p) pictures.push_back({std::int64_t(pictures.size()) + 1});
        ranges.push_back({first, std::int64_t(pictures.size()) - 1});
    }
    if (pictures.size() != std::size_t(albumPictureCount))
        throw std::logic_error("the album entries must show every album picture once");

    writeLineFile(contentFile(root, textFilePath(37)), titles);
    writeFieldFile(contentFile(root, textFilePath(38)), pictures, 1);
    writeFieldFile(contentFile(root, textFilePath(39)), ranges, 2);
}

}  // namespace vemra::kit
