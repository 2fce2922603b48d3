#include "media/entry_rows.h"

#include <array>

#include <nlohmann/json.hpp>

#include "parts/row_colours.h"
#include "shell/un4.h"

namespace vemra::media {

namespace {
constexpr std::array<std::string_view, 5> rowNames{"Label2", "Label3", "Label4", "Label5", "Label6"};
}

EntryRows::EntryRows(shell::Screen& screen, std::function<void(ui::Label& row)> choose)
    : rows_(parts::labelsNamed(screen, rowNames), shell::un4().listTop),
      overlay_(shell::component<ui::Label>(screen, "labcamov"), {.opaque = true}),
      repeat_(*screen.timer("t2")),
      overlayLabel_(shell::component<ui::Label>(screen, "labcamov")) {
    rows_.setMarking(parts::yellow, parts::red);
    rows_.setRowHandlers(std::move(choose), [this](ui::Label& row) { overlay_.show(row); });
    repeat_.addArrow(shell::component<ui::Label>(screen, "luptrs"), 1, shell::component<ui::Picture>(screen, "Image2"),
                     [this] { step(&parts::ListRows::lineUp); });
    repeat_.addArrow(shell::component<ui::Label>(screen, "ldntrs"), 2, shell::component<ui::Picture>(screen, "Image3"),
                     [this] { step(&parts::ListRows::lineDown); });
}

void EntryRows::setEntries(std::vector<std::string> lines) {
    std::vector<int> tags;
    for (std::size_t i = 0; i < lines.size(); ++i) tags.push_back(int(i) + 1);
    rows_.setEntries(std::move(lines), std::move(tags));
    shell::un4().listTop = 0;
}

void EntryRows::refresh() {
    rows_.refresh();
    overlay_.park();
}

void EntryRows::step(void (parts::ListRows::*move)()) {
    const int top = rows_.top();
    (rows_.*move)();
    if (rows_.top() != top) overlay_.park();
}

void EntryRows::mark(ui::Label& row) {
    rows_.mark(row);
    gfx::FontSpec font = overlayLabel_.font();
    font.color = row.font().color;
    overlayLabel_.setFont(font);
    row.repaint();
    overlayLabel_.repaint();
}

void EntryRows::reset() {
    overlay_.park();
    repeat_.reset();
}

void EntryRows::describe(nlohmann::json& screen) const {
    screen["listTop"] = rows_.top();
    screen["maxTop"] = rows_.maxTop();
    screen["entryCount"] = rows_.count();
    screen["selectedEntry"] = selectedEntry();
    screen["repeatDir"] = repeat_.direction();
    screen["expandedLine"] = overlay_.expandedLine() ? nlohmann::json(*overlay_.expandedLine()) : nlohmann::json();
}

}  // namespace vemra::media
