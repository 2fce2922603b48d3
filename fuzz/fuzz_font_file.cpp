// Font files from arbitrary bytes through the font library: registration, the choice of a size,
// and glyphs of every registered face measured and drawn (the first, the last, one inside and one
// outside the seed fonts' range). A file it cannot use registers nothing.
#include <cstddef>
#include <cstdint>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra::gfx;
    static const vemra::fuzzing::ScratchFile scratch("font.fon");
    static FontLibrary library;
    const auto& file = scratch.holding(data, size);
    if (library.registerFile(file) == 0) return 0;
    Bitmap target(64, 64);
    const std::string codes = {'\0', ' ', '#', '\xff'};
    for (const auto& face : library.registeredFaces()) {
        for (int height : library.heightsOf(face)) {
            FontSpec request;
            request.face = face;
            request.height = height;
            const auto font = library.font(request);
            if (font->textWidth(codes) < 0) __builtin_trap();
            font->drawText(target, {0, 0, 64, 64}, 0, 0, codes, colors::black);
        }
    }
    library.unregisterFile(file);
    return 0;
}
