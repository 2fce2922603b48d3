#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/glyph_line.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

namespace vemra::parts {

// How a text area draws its rows.
struct TextRowsLayout {
    int rows = 7;              // lines shown at once
    bool maxTopNotBelowZero;   // `textMaxTop` is kept at 0 for texts shorter than the rows
    bool shadowed = false;     // white glyphs over a black shadow instead of the area's font colour
    int firstRowTop = 5;       // the top of row 0 inside the area
    int rowHeight = 32;
    int emptyStripHeight = 32;  // the height of the strips restored below the last line
    bool leftToRight = false;  // lines start at the left edge instead of ending at the right one
    int lineStart = 5;         // how far inside that edge a line starts (or ends)
};

// A text area of a reading panel: a transparent label over the panel's background picture that
// shows the lines of a text from `textTop` on, one row each, every line drawn glyph by glyph from
// one edge of the area. Before a row is drawn its strip is restored from the panel background,
// and the strips below the last line are restored too, so no trace of earlier text remains. What
// does not fit the area is cut off.
class GlyphTextRows {
public:

    GlyphTextRows(ui::Label& area, ui::Picture& panelBackground, TextRowsLayout layout,
                  const gfx::ZeroAdvanceCodes& zeroAdvance);

    // A new text, shown from its first line (drawn at the next draw()).
    void setLines(std::vector<std::string> lines);
    int lineCount() const { return int(lines_.size()); }
    // The lines of the text while its area shows, else none.
    std::vector<std::string> shownLines() const;
    int textTop() const { return textTop_; }
    int textMaxTop() const { return textMaxTop_; }

    // Draws the rows; nothing shows while the area is hidden. Without `restoreStrips` the glyphs
    // are drawn over what the area shows (after the area has been repainted).
    void draw(bool restoreStrips = true);
    // One line up or down, redrawing; nothing happens at either end.
    void lineUp();
    void lineDown();
    // A step run after every draw that drew, e.g. to bring back a control that the glyphs covered.
    void afterDrawing(std::function<void()> step) { afterDrawing_ = std::move(step); }

private:
    void restoreStrip(int y, int height);
    void drawLine(const std::string& line, int y);

    ui::Label& area_;
    ui::Picture& background_;
    TextRowsLayout layout_;
    const gfx::ZeroAdvanceCodes& zeroAdvance_;
    std::function<void()> afterDrawing_;
    std::vector<std::string> lines_;
    int textTop_ = 0;
    int textMaxTop_ = 0;
};

}  // namespace vemra::parts
