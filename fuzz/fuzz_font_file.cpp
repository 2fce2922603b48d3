// Font files from arbitrary bytes through the font library: registration, the choice of a size,
// and every glyph of every registered face drawn. A file it cannot use registers nothing.
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
    std::string allCodes(256, '\0');
    for (int code = 0; code < 256; ++code) allCodes[std::size_t(code)] = char(code);
    for (const auto& face : library.registeredFaces()) {
        for (int height : library.heightsOf(face)) {
            FontSpec request;
            request.face = face;
            request.height = height;
            const auto font = library.font(request);
            if (font->textWidth(allCodes) < 0) __builtin_trap();
            for (int code = 0; code < 256; ++code) font->drawGlyph(target, {0, 0, 64, 64}, 0, 0, std::uint8_t(code), colors::black);
        }
    }
    library.unregisterFile(file);
    return 0;
}
