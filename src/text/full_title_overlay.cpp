#include "text/full_title_overlay.h"

#include "platform/gfx/font.h"

namespace vemra::text {

FullTitleOverlay::FullTitleOverlay(ui::Label& overlay, bool opaque) : overlay_(overlay), opaque_(opaque) {}

void FullTitleOverlay::show(ui::Label& row) {
    const int width = gfx::FontLibrary::shared().font(row.font())->textWidth(row.caption());
    if (width <= row.width()) {
        overlay_.setCaption({});
        overlay_.setTransparent(!opaque_);
        expandedLine_.reset();
        return;
    }
    if (expandedLine_ == row.tag) return;
    expandedLine_ = row.tag;
    overlay_.setFont(row.font());
    overlay_.setTransparent(!opaque_);
    overlay_.setCaption(row.caption());
    overlay_.setBounds({overlay_.left(), row.top(), overlay_.width(), row.height()});
    overlay_.setLeft(row.left() + row.width() - overlay_.width());
    overlay_.bringToFront();
    row.bringToFront();
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

}  // namespace vemra::text
