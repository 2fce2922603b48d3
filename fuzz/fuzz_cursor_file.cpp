// Static and animated cursor files from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/win/binary_reader.h"
#include "platform/win/cursor_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra;
    try {
        const ui::CursorShape shape = win::decodeCursorFile(std::span<const std::uint8_t>(data, size));
        if (shape.frames.empty() || (shape.animated() && shape.frameMs.size() != shape.frames.size())) __builtin_trap();
        for (const auto& f : shape.frames)
            if (f.argb.size() != std::size_t(f.width) * std::size_t(f.height) || f.hotspot.x < 0 ||
                f.hotspot.x >= f.width || f.hotspot.y < 0 || f.hotspot.y >= f.height)
                __builtin_trap();
    } catch (const win::FormatError&) {
    }
    return 0;
}
