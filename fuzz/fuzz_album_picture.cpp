// Album pictures from an arbitrary picture library: the JPEG resource, its size string and the
// decoder. Either a picture within the decoder's limits or a reason, never a crash.
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

#include "media/album_picture.h"
#include "platform/gfx/jpeg.h"
#include "platform/win/binary_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra;
    try {
        const auto library = win::PeModule::fromBytes(std::vector<std::uint8_t>(data, data + size), "library");
        for (int number = 1; number <= 3; ++number) {
            const auto picture = media::albumPicture(library, number);
            if (const auto* b = std::get_if<gfx::Bitmap>(&picture))
                if (b->width() > gfx::maxJpegSide || b->height() > gfx::maxJpegSide) __builtin_trap();
        }
    } catch (const win::FormatError&) {  // no module at all
    }
    return 0;
}
