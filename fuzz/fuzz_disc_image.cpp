// The disc image reader on arbitrary image bytes: an image opens or is refused with an error,
// never a crash or a hang, and every file it lists reads within the image. The quick look that
// offers images to play reads the same bytes first.
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "content/content_error.h"
#include "content/content_source.h"
#include "content/disc_image.h"
#include "content/title_probe.h"
#include "scratch_file.h"

namespace {
constexpr const char* paths[] = {"read01.fon", "data1\\08.dat", "DATA1\\1\\C1.TXT", "art\\frm9\\m1.bmp", "a\\b\\c"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra::content;
    static const vemra::fuzzing::ScratchFile scratch("image.iso");
    const auto& file = scratch.holding(data, size);
    probeDiscImage(file);
    try {
        const DiscImage image(file);
        for (const char* path : paths) {
            if (image.kind(path) != EntryKind::file) continue;
            const auto source = image.mediaSource(path);
            if (!source || !source->length || source->offset + *source->length > size) __builtin_trap();
            try {
                image.read(path);
            } catch (const ContentError&) {
            }
        }
    } catch (const ContentSourceError&) {
    }
    return 0;
}
