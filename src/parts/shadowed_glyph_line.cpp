#include "parts/shadowed_glyph_line.h"

#include <cstdint>

#include "platform/gfx/color.h"

namespace vemra::parts {

void drawShadowedLineRightAligned(gfx::Canvas& canvas, std::string_view bytes, int x0, int y,
                                  const gfx::ZeroAdvanceCodes& zeroAdvance) {
    gfx::Color& ink = canvas.font().color;
    int pen = x0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const auto code = std::uint8_t(*it);
        if (!zeroAdvance[code]) pen -= canvas.advance(code);
        ink = gfx::colors::black;
        canvas.drawGlyph(pen, y, code);
        canvas.drawGlyph(pen + 2, y + 2, code);
        ink = gfx::colors::white;
        canvas.drawGlyph(pen + 1, y + 1, code);
    }
}

}  // namespace vemra::parts
