#pragma once

#include <optional>

#include "platform/ui/label.h"

namespace vemra::text {

// The full-title overlay `labcamov` of a list: a title wider than its row is shown whole, in the
// row's font, ending at the row's right edge and running on to the left beyond it. The row stays
// in front of it, so clicks still reach the row. Parked out of sight when not in use.
class FullTitleOverlay {
public:
    static constexpr int parkedTop = 2000;

    // `opaque`: the overlay keeps its own background colour instead of being transparent.
    explicit FullTitleOverlay(ui::Label& overlay, bool opaque = false);

    // The mouse is over `row`.
    void show(ui::Label& row);
    // The mouse is over the background or an arrow.
    void hide();
    // Out of sight on activation, ready to show any row again.
    void park();

    // `expandedLine`: the tag of the row shown in full, if any.
    std::optional<int> expandedLine() const { return expandedLine_; }

private:
    ui::Label& overlay_;
    bool opaque_;
    std::optional<int> expandedLine_;
};

}  // namespace vemra::text
