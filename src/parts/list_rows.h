#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/ui/label.h"
#include "platform/ui/ref.h"
#include "platform/ui/window.h"

namespace vemra::parts {

// The rows of a list screen: a fixed table of row labels, top to bottom, that shows the entries
// from a top index on. Each entry has a line (its text) and a tag (what a click on its row acts
// on). Rows without an entry are emptied and hidden. The top index may move down until the last
// entry stands in the second-to-last row, so a list no longer than the rows minus one never
// scrolls. Screens that mark a current entry give it a colour of its own; the others keep every
// row in the normal colour.
class ListRows {
public:
    // Shows an entry's line on its row; by default the row's caption.
    using ShowLine = std::function<void(ui::Label& row, const std::string& line)>;

    // `top` is the top index the rows follow (the shared `listTop` or a screen's own).
    ListRows(std::vector<ui::Label*> rows, int& top);

    void setShowLine(ShowLine show) { show_ = std::move(show); }
    // Rows whose tag equals the marked tag are drawn in `marked`, the others in `normal`;
    // `markedTag` is the tag marked before any row is clicked.
    void setMarking(gfx::Color normal, gfx::Color marked, int markedTag = 0);
    // `maxTop` stays at 0 for lists shorter than the rows, so even they accept one line down.
    void keepMaxTopAtLeastZero() { maxTopAtLeastZero_ = true; }
    // Gives every row the hotspot cursor and the click and hover handlers.
    void setRowHandlers(std::function<void(ui::Label& row)> click, std::function<void(ui::Label& row)> hover = {});

    void setEntries(std::vector<std::string> lines, std::vector<int> tags);
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<int>& tags() const { return tags_; }
    int count() const { return int(lines_.size()); }
    // The entry count minus the rows (negative for short lists); the top index goes up to one more.
    int maxTop() const;
    int top() const { return top_; }

    // Fills the rows from the top index.
    void refresh();
    // One line up or down, refreshing the rows; nothing happens at either end.
    void lineUp();
    void lineDown();

    // Marks the entry shown on `row`: the row marked before shows its line again in the normal
    // colour, `row` in the marked colour.
    void mark(ui::Label& row);
    // Shows the marked row in the normal colour and marks nothing (`markedTag` becomes `none`).
    void clearMark(int none);
    int markedTag() const { return markedTag_; }
    ui::Label* markedRow() const { return markedRow_.get(); }

private:
    // Shows again the line of the entry that `row` stands for.
    void showLineOf(ui::Label& row);
    void colour(ui::Label& row, gfx::Color c);

    std::vector<ui::Label*> rows_;
    int& top_;
    ShowLine show_;
    std::vector<std::string> lines_;
    std::vector<int> tags_;
    std::optional<gfx::Color> normal_, marked_;
    int markedTag_ = 0;
    bool maxTopAtLeastZero_ = false;
    ui::Ref<ui::Label> markedRow_;
};

// The labels of `window` with these names, in this order.
std::vector<ui::Label*> labelsNamed(ui::Window& window, std::span<const std::string_view> names);

// The eight rows of the article lists and the title list of the reading screen, top to bottom.
inline constexpr std::array<std::string_view, 8> eightRowNames{"Label2", "Label3", "Label4", "Label5",
                                                               "Label6", "Label7", "Label8", "Label9"};

}  // namespace vemra::parts
