#pragma once

#include <string>
#include <vector>

#include "platform/gfx/glyph_line.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"

namespace vemra::media_screens {

// How a player lays out the lines of a page on its panel.
struct PageLayout {
    int lines;         // lines shown; the rest of a longer page is not
    int linePitch;     // line i is drawn at linePitch·i + top
    int bandPitch;     // before line i, panel rows bandPitch·i + top … + bandHeight are restored
    int bandHeight;
    bool whiteMarker;  // a line holding code 14 is drawn white, without its first code 14
    static constexpr int top = 5;
};

// The page text panel of a player: a transparent label over the screen's background, on which the
// lines of the current page are drawn glyph by glyph straight onto the window, each ending at the
// panel's right edge. Every band is restored from the background before its line is drawn, so the
// previous page leaves no trace; the drawing lasts until that part of the window repaints.
class PagePanel {
public:
    PagePanel(ui::Label& panel, ui::Picture& background, PageLayout layout, const gfx::ZeroAdvanceCodes& zeroAdvance);

    void draw(const std::vector<std::string>& lines);

private:
    void restoreBand(int band);

    ui::Label& panel_;
    ui::Picture& background_;
    PageLayout layout_;
    const gfx::ZeroAdvanceCodes& zeroAdvance_;
};

}  // namespace vemra::media_screens
