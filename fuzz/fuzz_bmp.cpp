// Bitmap files, packed DIBs and icon images from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gfx/bmp.h"
#include "platform/win/binary_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra;
    const std::span<const std::uint8_t> bytes(data, size);
    try {
        const gfx::Bitmap b = gfx::decodeBmp(bytes);
        if (b.pixels().size() != std::size_t(b.width()) * std::size_t(b.height())) __builtin_trap();
    } catch (const win::FormatError&) {
    }
    try {
        gfx::decodeDib(bytes);
    } catch (const win::FormatError&) {
    }
    try {
        const gfx::ArgbImage icon = gfx::decodeIconDib(bytes);
        if (icon.argb.size() != std::size_t(icon.width) * std::size_t(icon.height)) __builtin_trap();
    } catch (const win::FormatError&) {
    }
    return 0;
}
