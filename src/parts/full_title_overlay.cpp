#include "parts/full_title_overlay.h"

#include "platform/gfx/font.h"

namespace vemra::parts {

FullTitleOverlay::FullTitleOverlay(ui::Label& overlay, OverlayStyle style) : overlay_(overlay), style_(style) {}

bool FullTitleOverlay::show(ui::Label& row) {
    const int width = gfx::FontLibrary::shared().font(row.font())->textWidth(row.caption());
    if (width <= row.width()) {
        overlay_.setCaption({});
        overlay_.setTransparent(!style_.opaque);
        expandedLine_.reset();
        if (style_.parksWhenFits) overlay_.setTop(parkedTop);
        return true;
    }
    if (expandedLine_ == row.tag) return false;
    expandedLine_ = row.tag;
    overlay_.setFont(row.font());
    overlay_.setTransparent(!style_.opaque);
    overlay_.setCaption(row.caption());
    overlay_.setBounds({overlay_.left(), row.top(), overlay_.width(), row.height()});
    overlay_.setLeft(style_.fromRowLeft ? row.left() : row.left() + row.width() - overlay_.width());
    overlay_.bringToFront();
    row.bringToFront();
    return true;
}

void FullTitleOverlay::hide() {
    if (!expandedLine_) return;
    expandedLine_.reset();
    overlay_.setTop(parkedTop);
}

void FullTitleOverlay::park() {
    expandedLine_.reset();
    overlay_.setTop(parkedTop);
}

}  // namespace vemra::parts
