#include "kit/persian_caption.h"

#include <memory>

#include "kit/display_fonts.h"
#include "kit/media_tools.h"
#include "kit/shaper.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "platform/gfx/glyph_line.h"

namespace vemra::kit {

namespace {

// The display face, written once into a scratch folder and registered for the rest of the run.
const std::string& displayFace() {
    static const std::string face = [] {
        static const TempDir scratch;
        const DisplayFontFile file = displayFontFiles().front();
        writeDisplayFont(file, scratch.path());
        gfx::FontLibrary::shared().registerFile(scratch.path() / file.file);
        return std::string(file.face.name);
    }();
    return face;
}

int advanceOf(const gfx::Font& font, std::string_view bytes, const gfx::ZeroAdvanceCodes& zeroAdvance) {
    std::string advancing;
    for (const char c : bytes)
        if (!zeroAdvance.test(std::uint8_t(c))) advancing += c;
    return font.textWidth(advancing);
}

}  // namespace

gfx::Size persianSize(std::string_view utf8, int height) {
    const std::shared_ptr<const gfx::Font> font = gfx::FontLibrary::shared().font({displayFace(), height});
    return {advanceOf(*font, shape(utf8), gfx::standardZeroAdvanceCodes()), font->lineHeight()};
}

bool drawPersianCentred(gfx::Bitmap& bitmap, gfx::Rect box, std::string_view utf8, int maxHeight, gfx::Color colour) {
    const std::string bytes = shape(utf8);
    const auto zeroAdvance = gfx::standardZeroAdvanceCodes();
    for (auto height = std::rbegin(displayFontHeights); height != std::rend(displayFontHeights); ++height) {
        if (*height > maxHeight || *height > box.height) continue;
        const gfx::FontSpec face{displayFace(), *height, colour};
        const std::shared_ptr<const gfx::Font> font = gfx::FontLibrary::shared().font(face);
        const int width = advanceOf(*font, bytes, zeroAdvance);
        if (width > box.width) continue;
        gfx::CanvasState state;
        state.brushClear = true;
        state.font = face;
        gfx::Canvas canvas(bitmap, {0, 0}, bitmap.bounds(), state);
        gfx::drawLineRightAligned(canvas, bytes, box.left + (box.width + width) / 2, box.top + (box.height - font->lineHeight()) / 2,
                                  zeroAdvance);
        return true;
    }
    return false;
}

}  // namespace vemra::kit
