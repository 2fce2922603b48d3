#include "parts/list_rows.h"

#include <algorithm>
#include <stdexcept>

#include "shell/design_builder.h"

namespace vemra::parts {

namespace {
constexpr int hotspotCursor = 5;
}

ListRows::ListRows(std::vector<ui::Label*> rows, int& top)
    : rows_(std::move(rows)), top_(top), show_([](ui::Label& row, const std::string& line) { row.setCaption(line); }) {}

void ListRows::setMarking(gfx::Color normal, gfx::Color marked, int markedTag) {
    normal_ = normal;
    marked_ = marked;
    markedTag_ = markedTag;
}

int ListRows::maxTop() const {
    const int last = count() - int(rows_.size());
    return maxTopAtLeastZero_ ? std::max(last, 0) : last;
}

void ListRows::setRowHandlers(std::function<void(ui::Label& row)> click, std::function<void(ui::Label& row)> hover) {
    for (ui::Label* row : rows_) {
        row->cursor = hotspotCursor;
        row->onClick = [row, click](ui::Widget&) { click(*row); };
        if (hover) row->onMouseMove = [row, hover](ui::Widget&, unsigned, int, int) { hover(*row); };
    }
}

void ListRows::setEntries(std::vector<std::string> lines, std::vector<int> tags) {
    if (lines.size() != tags.size()) throw std::logic_error("every list entry needs a tag");
    lines_ = std::move(lines);
    tags_ = std::move(tags);
}

void ListRows::refresh() {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        ui::Label& row = *rows_[r];
        const int entry = top_ + int(r);
        if (entry >= 0 && entry < count()) {
            row.setVisible(true);
            row.tag = tags_[std::size_t(entry)];
            if (marked_) {
                const bool isMarked = row.tag == markedTag_;
                if (isMarked) markedRow_ = &row;
                else if (markedRow_ == &row) markedRow_ = nullptr;
                colour(row, isMarked ? *marked_ : *normal_);
            }
            show_(row, lines_[std::size_t(entry)]);
        } else {
            row.setCaption({});
            row.setVisible(false);
        }
    }
}

void ListRows::lineUp() {
    if (top_ - 1 < 0) return;
    --top_;
    refresh();
}

void ListRows::lineDown() {
    if (top_ + 1 > maxTop() + 1) return;
    ++top_;
    refresh();
}

void ListRows::clearMark(int none) {
    if (ui::Label* previous = markedRow_.get()) {
        colour(*previous, normal_.value_or(previous->font().color));
        showLineOf(*previous);
        markedRow_ = nullptr;
    }
    markedTag_ = none;
}

void ListRows::mark(ui::Label& row) {
    clearMark(row.tag);
    colour(row, marked_.value_or(row.font().color));
    showLineOf(row);
    markedRow_ = &row;
}

void ListRows::showLineOf(ui::Label& row) {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const int entry = top_ + int(r);
        if (rows_[r] == &row && entry >= 0 && entry < count()) show_(row, lines_[std::size_t(entry)]);
    }
}

void ListRows::colour(ui::Label& row, gfx::Color c) {
    gfx::FontSpec font = row.font();
    if (font.color == c) return;
    font.color = c;
    row.setFont(font);
}

std::vector<ui::Label*> labelsNamed(ui::Window& window, std::span<const std::string_view> names) {
    std::vector<ui::Label*> labels;
    for (std::string_view name : names) labels.push_back(&shell::component<ui::Label>(window, name));
    return labels;
}

}  // namespace vemra::parts
