#include "platform/gfx/glyph_line.h"

#include <cstdint>

#include "platform/gfx/canvas.h"

namespace vemra::gfx {

ZeroAdvanceCodes standardZeroAdvanceCodes() {
    ZeroAdvanceCodes codes;
    for (int code = 195; code <= 222; ++code) codes.set(std::size_t(code));
    return codes;
}

void drawLineRightAligned(Canvas& canvas, std::string_view bytes, int x0, int y,
                          const ZeroAdvanceCodes& zeroAdvance) {
    int pen = x0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const auto code = std::uint8_t(*it);
        if (!zeroAdvance[code]) pen -= canvas.advance(code);
        canvas.drawGlyph(pen, y, code);
    }
}

void drawLineLeftAligned(Canvas& canvas, std::string_view bytes, int x0, int y,
                         const ZeroAdvanceCodes& zeroAdvance) {
    int pen = x0;
    for (const char byte : bytes) {
        const auto code = std::uint8_t(byte);
        canvas.drawGlyph(pen, y, code);
        if (!zeroAdvance[code]) pen += canvas.advance(code);
    }
}

}  // namespace vemra::gfx
