#include "media/page_panel.h"

#include <algorithm>

#include "media/narration_index.h"
#include "parts/row_colours.h"
#include "platform/ui/window.h"

namespace vemra::media_screens {

PagePanel::PagePanel(ui::Label& panel, ui::Picture& background, PageLayout layout,
                     const gfx::ZeroAdvanceCodes& zeroAdvance)
    : panel_(panel), background_(background), layout_(layout), zeroAdvance_(zeroAdvance) {}

void PagePanel::draw(const std::vector<std::string>& lines) {
    if (!panel_.showing()) return;
    // What is still to be painted would cover the glyphs drawn straight onto the window.
    panel_.window()->paintDirty();
    for (int i = 0; i < layout_.lines; ++i) {
        restoreBand(i);
        if (std::size_t(i) >= lines.size()) continue;
        std::string line = lines[std::size_t(i)];
        gfx::Canvas canvas = panel_.canvas();
        if (const auto mark = line.find(whiteMark); layout_.whiteMarker && mark != std::string::npos) {
            line.erase(mark, 1);
            canvas.font().color = parts::white;
        }
        gfx::drawLineRightAligned(canvas, line, panel_.width(), layout_.linePitch * i + PageLayout::top, zeroAdvance_);
    }
}

void PagePanel::restoreBand(int band) {
    const int top = layout_.bandPitch * band + PageLayout::top;
    const int height = std::min(layout_.bandHeight, panel_.height() - top);
    if (height <= 0) return;  // rows beyond the panel fall away
    gfx::Canvas canvas = panel_.canvas();
    canvas.copyRect({0, top, panel_.width(), height}, background_.canvas(),
                    {panel_.left(), panel_.top() + top, panel_.width(), height});
}

}  // namespace vemra::media_screens
