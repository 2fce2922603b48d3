#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/label.h"
#include "platform/ui/scrolling_control.h"

namespace vemra::ui {

enum class ScrollBars { none, vertical, horizontal, both };

// Read-only text of whole lines (no word wrap), each drawn on one row in the memo's font. The
// bars it is given always show, inactive while everything fits. The text is the lines joined with
// CR LF, and a selection is a range of its characters; the selection is not drawn.
class Memo : public ScrollingControl {
public:
    Memo(Widget* parent, std::string name);
    std::string_view kind() const override { return "memo"; }

    const std::vector<std::string>& lines() const { return lines_; }
    // Replacing the lines empties the selection and scrolls back to the first line and the
    // alignment's side.
    void setLines(std::vector<std::string> lines);
    void addLine(std::string line);
    std::string text() const;
    // Breaks the text into lines at every CR LF.
    void setText(std::string_view text);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    ScrollBars scrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBars s);
    const gfx::FontSpec& font() const { return font_; }
    void setFont(gfx::FontSpec f);
    gfx::Color color() const { return color_; }
    void setColor(gfx::Color c);

    int topLine() const { return topLine_; }
    void setTopLine(int line);
    // The column of the text at the left edge of the text area, 0 to the widest line's overflow.
    // Right-aligned text keeps its distance from the right end when the lines change.
    int scrollLeft() const;
    void setScrollLeft(int x);

    // Character positions in text(). Setting the start empties the selection; both are clamped to
    // the text as it is when they are set.
    int selStart() const { return selStart_; }
    void setSelStart(int start);
    int selLength() const { return selLength_; }
    void setSelLength(int length);
    // The selected part of the text as it is now (what remains of the range, possibly nothing).
    std::string selText() const;

    void keyDown(int& key, unsigned shift) override;
    void describe(nlohmann::json& out) const override;

protected:
    bool showsBar(Orientation o) const override;
    ScrollRange barRange(Orientation o) const override;
    void barScrolled(Orientation o, ScrollCode code, int thumbPos) override;
    void paintContent(gfx::Bitmap& surface, gfx::Rect content, gfx::Rect clip) override;

private:
    static constexpr int margin = 1;  // between the content's sides and the text

    int textSize() const;
    gfx::Rect textArea() const;
    int lineHeight() const;
    int visibleLines() const;
    int maxTopLine() const;
    int widestLine() const;
    int maxScrollLeft() const;
    void linesChanged();

    std::vector<std::string> lines_;
    Alignment alignment_ = Alignment::left;
    ScrollBars scrollBars_ = ScrollBars::none;
    gfx::FontSpec font_;
    gfx::Color color_ = gfx::colors::white;
    int topLine_ = 0;
    int scrollFromHome_ = 0;  // the horizontal scroll counted from the alignment's side
    int selStart_ = 0;
    int selLength_ = 0;
    mutable std::optional<int> widest_;
};

}  // namespace vemra::ui
