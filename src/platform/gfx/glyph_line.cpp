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
    // Glyphs and marks drawn further left than a couple of line heights past the visible part
    // cannot reach into it: a line of a million glyphs costs what its visible part costs.
    const int stop = canvas.visible().left - 2 * canvas.textHeight();
    for (auto it = bytes.rbegin(); it != bytes.rend() && pen >= stop; ++it) {
        const auto code = std::uint8_t(*it);
        if (!zeroAdvance[code]) pen -= canvas.advance(code);
        canvas.drawGlyph(pen, y, code);
    }
}

void drawLineLeftAligned(Canvas& canvas, std::string_view bytes, int x0, int y,
                         const ZeroAdvanceCodes& zeroAdvance) {
    int pen = x0;
    const int stop = canvas.visible().right();
    for (const char byte : bytes) {
        if (pen > stop) break;
        const auto code = std::uint8_t(byte);
        canvas.drawGlyph(pen, y, code);
        if (!zeroAdvance[code]) pen += canvas.advance(code);
    }
}

}  // namespace vemra::gfx
