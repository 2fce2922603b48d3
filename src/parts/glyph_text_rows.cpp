#include "parts/glyph_text_rows.h"

#include <algorithm>

#include "parts/shadowed_glyph_line.h"
#include "platform/ui/window.h"

namespace vemra::parts {

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

std::vector<std::string> GlyphTextRows::shownLines() const {
    return area_.showing() ? lines_ : std::vector<std::string>();
}

void GlyphTextRows::draw(bool restoreStrips) {
    if (!area_.showing()) return;
    // What is still to be painted would cover the glyphs drawn straight onto the window.
    area_.window()->paintDirty();
    const auto rowTop = [this](int row) { return row * layout_.rowHeight + layout_.firstRowTop; };
    int row = 0;
    for (int i = textTop_; i < textTop_ + layout_.rows && i < lineCount(); ++i) {
        if (restoreStrips) restoreStrip(rowTop(row), layout_.rowHeight);
        drawLine(lines_[std::size_t(i)], rowTop(row));
        ++row;
    }
    if (restoreStrips)
        for (; row <= layout_.rows; ++row) restoreStrip(rowTop(row), layout_.emptyStripHeight);
    if (afterDrawing_) afterDrawing_();
}

// The strip is the part of the background picture that lies under the row, wherever the picture
// stands beside the area.
void GlyphTextRows::restoreStrip(int y, int height) {
    gfx::Canvas canvas = area_.canvas();
    canvas.copyRect({0, y, area_.width(), height}, background_.canvas(),
                    {area_.left() - background_.left(), area_.top() - background_.top() + y, area_.width(), height});
}

void GlyphTextRows::drawLine(const std::string& line, int y) {
    gfx::Canvas canvas = area_.canvas();
    if (layout_.leftToRight) {
        gfx::drawLineLeftAligned(canvas, line, layout_.lineStart, y, zeroAdvance_);
        return;
    }
    const int x0 = area_.width() - layout_.lineStart;
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

}  // namespace vemra::parts
