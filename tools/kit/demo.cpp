#include "kit/demo.h"

#include "kit/display_fonts.h"
#include "kit/gen_album.h"
#include "kit/gen_album_text.h"
#include "kit/gen_art.h"
#include "kit/gen_articles.h"
#include "kit/gen_clips_text.h"
#include "kit/gen_codec.h"
#include "kit/gen_cursors.h"
#include "kit/gen_galleries_text.h"
#include "kit/gen_gallery_pictures.h"
#include "kit/gen_keyboard.h"
#include "kit/gen_modules.h"
#include "kit/gen_music.h"
#include "kit/gen_names.h"
#include "kit/gen_players.h"
#include "kit/gen_readers.h"
#include "kit/gen_secondary_texts.h"
#include "kit/gen_sounds.h"
#include "kit/gen_video.h"

namespace vemra::kit {

namespace {

// One part of the demo content tree, written under the tree's root.
struct DemoStep {
    std::string_view name;
    void (*write)(const std::filesystem::path& root);
};

constexpr DemoStep steps[] = {
    {"display fonts", writeDisplayFonts},
    {"music tracks", writeMusicTracks},
    {"gallery sounds", writeGallerySounds},
    {"intro video", writeIntroVideo},
    {"video clips", writeVideoClips},
    {"cursors", writeCursors},
    {"codec stand-in", writeCodecStandIn},
    {"article texts", writeArticleTexts},
    {"reading texts", writeReadingTexts},
    {"secondary branch texts", writeSecondaryTexts},
    {"narrations and player texts", writePlayers},
    {"gallery lists", writeGalleryTexts},
    {"album lists", writeAlbumTexts},
    {"clip titles", writeClipTitles},
    {"names list", writeNamesList},
    {"keyboard tables", writeKeyboardTables},
    {"window artwork", writeWindowArtwork},
    {"picture modules", writePictureModules},
    {"album pictures", writeAlbumModule},
    {"gallery pictures", writeGalleryPictures},
};

}  // namespace

void writeDemo(const std::filesystem::path& root, const std::function<void(std::string_view)>& progress) {
    std::filesystem::create_directories(root);
    for (const DemoStep& step : steps) {
        progress(step.name);
        step.write(root);
    }
}

}  // namespace vemra::kit
