#include "kit/demo.h"

#include "kit/display_fonts.h"
#include "kit/gen_art.h"
#include "kit/gen_codec.h"
#include "kit/gen_cursors.h"
#include "kit/gen_music.h"
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
    {"window artwork", writeWindowArtwork},
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
