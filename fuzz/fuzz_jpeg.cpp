// JPEG pictures from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gfx/jpeg.h"
#include "platform/win/binary_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra;
    try {
        const gfx::Bitmap b = gfx::decodeJpeg(std::span<const std::uint8_t>(data, size));
        if (b.width() > gfx::maxJpegSide || b.height() > gfx::maxJpegSide) __builtin_trap();
    } catch (const win::FormatError&) {
    }
    return 0;
}
