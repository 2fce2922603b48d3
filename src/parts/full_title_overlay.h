#pragma once

#include <optional>

#include "platform/ui/label.h"

namespace vemra::parts {

// How an overlay shows a title.
struct OverlayStyle {
    bool opaque = false;        // keeps its own background colour instead of being transparent
    bool fromRowLeft = false;   // starts at the row's left edge and runs on to the right
    bool parksWhenFits = false; // goes out of sight when the mouse moves onto a title that fits
};

// The full-title overlay `labcamov` of a list: a title wider than its row is shown whole, in the
// row's font, ending at the row's right edge and running on to the left beyond it (or the other
// way round). The row stays in front of it, so clicks still reach the row. Parked out of sight
// when not in use.
class FullTitleOverlay {
public:
    static constexpr int parkedTop = 2000;

    explicit FullTitleOverlay(ui::Label& overlay, OverlayStyle style = {});

    // The mouse is over `row`. False when the overlay already shows `row` and nothing changed.
    bool show(ui::Label& row);
    // The mouse is over the background or an arrow.
    void hide();
    // Out of sight on activation, ready to show any row again.
    void park();

    // `expandedLine`: the tag of the row shown in full, if any.
    std::optional<int> expandedLine() const { return expandedLine_; }

private:
    ui::Label& overlay_;
    OverlayStyle style_;
    std::optional<int> expandedLine_;
};

}  // namespace vemra::parts
