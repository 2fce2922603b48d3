#include "kit/glyph_sheet.h"

#include <string>

#include "kit/code_table.h"
#include "kit/display_fonts.h"
#include "kit/media_tools.h"
#include "kit/shaper.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/glyph_line.h"
#include "platform/gfx/png.h"

namespace vemra::kit {

namespace {

constexpr int columns = 16, cell = 56, margin = 16, sentenceHeight = 48, glyphHeight = 32;
const gfx::Color grey{160, 160, 160};
const gfx::Color ink = gfx::colors::black;

constexpr const char* sentences[] = {
    "سلام، حال شما چطور است؟",
    "کتابخانهٔ ملی ایران در سال ۱۳۷۸ گشایش یافت.",
    "می‌خواهم «پژوهش» را بخوانم و بنویسم!",
    "لاله و گل‌های آلاله، ژاله و چشمه",
    "دَرس و مَدرِسه، تاریخ: ۱۳۷۸/۵/۲ (سه‌شنبه)",
    "لا لأ لآ لإ، بلا بلأ بلآ بلإ",
};

}  // namespace

void writeGlyphSheet(const std::filesystem::path& png) {
    const TempDir scratch;
    const DisplayFontFile file = displayFontFiles().front();
    writeDisplayFont(file, scratch.path());
    auto& library = gfx::FontLibrary::shared();
    library.registerFile(scratch.path() / file.file);

    const int rows = 256 / columns;
    const int sentenceTop = margin + rows * cell + margin;
    gfx::Bitmap sheet(2 * margin + columns * cell, sentenceTop + int(std::size(sentences)) * sentenceHeight + margin,
                      gfx::colors::white);
    gfx::CanvasState state;
    state.brushClear = true;
    gfx::Canvas canvas(sheet, {0, 0}, sheet.bounds(), state);
    const gfx::FontSpec label{"DejaVu Sans", 10, grey};
    const gfx::FontSpec glyph{std::string(file.face.name), glyphHeight, ink};
    const auto zeroAdvance = gfx::standardZeroAdvanceCodes();

    for (int code = 0; code < 256; ++code) {
        const int left = margin + (code % columns) * cell, top = margin + (code / columns) * cell;
        state.font = label;
        canvas.fillRect({left, top, cell - 1, cell - 1}, gfx::Color{236, 236, 236});
        canvas.textOut(left + 2, top + 1, std::to_string(code));
        state.font = glyph;
        std::string bytes(1, char(code));
        if (glyphForCode(std::uint8_t(code)).zeroAdvance) bytes += char(findLetter(U'\u0640')->code(Form::isolated));
        gfx::drawLineRightAligned(canvas, bytes, left + cell - 6, top + cell - glyphHeight - 6, zeroAdvance);
    }
    state.font = glyph;
    for (std::size_t i = 0; i < std::size(sentences); ++i)
        gfx::drawLineRightAligned(canvas, shape(sentences[i]), sheet.width() - margin,
                                  sentenceTop + int(i) * sentenceHeight, zeroAdvance);

    library.unregisterFile(scratch.path() / file.file);
    gfx::writePng(sheet, png);
}

}  // namespace vemra::kit
