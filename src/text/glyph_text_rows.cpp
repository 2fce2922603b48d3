#include "text/glyph_text_rows.h"

#include <algorithm>

#include "platform/ui/window.h"
#include "text/shadowed_glyph_line.h"

namespace vemra::text {

GlyphTextRows::GlyphTextRows(ui::Label& area, ui::Picture& panelBackground, TextRowsLayout layout,
                             const gfx::ZeroAdvanceCodes& zeroAdvance)
    : area_(area), background_(panelBackground), layout_(layout), zeroAdvance_(zeroAdvance) {
    setLines({});
}

void GlyphTextRows::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    textTop_ = 0;
    textMaxTop_ = lineCount() - layout_.rows;
    if (layout_.maxTopNotBelowZero) textMaxTop_ = std::max(textMaxTop_, 0);
}

void GlyphTextRows::draw() {
    if (!area_.showing()) return;
    // What is still to be painted would cover the glyphs drawn straight onto the window.
    area_.window()->paintDirty();
    int row = 0;
    for (int i = textTop_; i < textTop_ + layout_.rows && i < lineCount(); ++i) {
        restoreStrip(row);
        drawLine(lines_[std::size_t(i)], row * rowHeight + layout_.firstRowTop);
        ++row;
    }
    for (; row <= layout_.rows; ++row) restoreStrip(row);
}

void GlyphTextRows::restoreStrip(int row) {
    const int y = row * rowHeight + layout_.firstRowTop;
    gfx::Canvas canvas = area_.canvas();
    canvas.copyRect({0, y, area_.width(), rowHeight}, background_.canvas(),
                    {area_.left(), area_.top() + y, area_.width(), rowHeight});
}

void GlyphTextRows::drawLine(const std::string& line, int y) {
    gfx::Canvas canvas = area_.canvas();
    const int x0 = area_.width() - rightMargin;
    if (layout_.shadowed)
        drawShadowedLineRightAligned(canvas, line, x0, y, zeroAdvance_);
    else
        gfx::drawLineRightAligned(canvas, line, x0, y, zeroAdvance_);
}

void GlyphTextRows::lineUp() {
    if (textTop_ - 1 < 0) return;
    --textTop_;
    draw();
}

void GlyphTextRows::lineDown() {
    if (textTop_ + 1 > textMaxTop_) return;
    ++textTop_;
    draw();
}

}  // namespace vemra::text
