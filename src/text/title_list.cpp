#include "text/title_list.h"

#include <string_view>

#include "parts/reading_state.h"
#include "parts/row_colours.h"
#include "shell/design_builder.h"
#include "shell/un4.h"

namespace vemra::text {

TitleList::TitleList(shell::Screen& screen, parts::ArrowRepeat& repeat, gfx::Color marked, RowHandler click,
                     RowHandler hover)
    : screen_(screen), rows_(parts::labelsNamed(screen, parts::eightRowNames), shell::un4().listTop) {
    rows_.setMarking(parts::yellow, marked);
    rows_.setRowHandlers(std::move(click), std::move(hover));
    repeat.addArrow(shell::component<ui::Label>(screen, "luptrs"), 1, shell::component<ui::Picture>(screen, "Image2"), [this] { rows_.lineUp(); });
    repeat.addArrow(shell::component<ui::Label>(screen, "ldntrs"), 2, shell::component<ui::Picture>(screen, "Image3"), [this] { rows_.lineDown(); });
}

void TitleList::sendArrowLooksBack() {
    for (std::string_view name : {"Image2", "Image3", "Image4", "Image5"}) shell::component<ui::Picture>(screen_, name).sendToBack();
}

void TitleList::setTitles(std::vector<std::string> titles) {
    std::vector<int> numbers(titles.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = int(i) + 1;
    rows_.setEntries(std::move(titles), std::move(numbers));
    shell::un4().listTop = 0;
}

void TitleList::describe(nlohmann::json& screen) const { parts::describeTitleRows(screen, rows_); }

}  // namespace vemra::text
