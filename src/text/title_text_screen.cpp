#include "text/title_text_screen.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "shell/un4.h"
#include "text/reading_panel.h"
#include "text/reading_state.h"
#include "text/row_colours.h"
#include "text/text_pool.h"

namespace vemra::text {

using shell::un4;

namespace {

constexpr int recordLength = 16;
constexpr int titleRight = 5;  // titles end this far inside their row's right edge
constexpr int titleTop = 2;

}  // namespace

Tfrm18::Tfrm18(shell::Screen& mainMenu)
    : Screen(*designs::findDesign("frm18"), {.animationSet = 18, .track = "data1\\02.dat"}, &mainMenu),
      titleRows_(labelsNamed(*this, eightRowNames), un4().listTop),
      textRows_(get<ui::Label>("lmtn"), get<ui::Picture>("Image1"),
                {.rows = 8, .maxTopNotBelowZero = true, .shadowed = true}, un4().zeroAdvanceCodes),
      repeat_(*timer("t2")),
      watch_(*timer("t1"), [this] { activateStandard(); }),
      redrawAfterOpening_(*this, [this] { drawRows(); }) {
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    titleRows_.setMarking(yellow, red);
    titleRows_.setShowLine([this](ui::Label& row, const std::string& title) { drawTitle(row, title); });
    titleRows_.setRowHandlers([this](ui::Label& row) { markEntry(row); });
    repeat_.addArrow(get<ui::Label>("luptrs"), 1, get<ui::Picture>("Image2"), [this] { titleRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldntrs"), 2, get<ui::Picture>("Image3"), [this] { titleRows_.lineDown(); });
    repeat_.addArrow(get<ui::Label>("lupmts"), 3, get<ui::Picture>("Image4"), [this] { textRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldnmts"), 4, get<ui::Picture>("Image5"), [this] { textRows_.lineDown(); });
    for (std::string_view name : {"m1", "luptrs", "ldntrs"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    background().onClick = [this](ui::Widget&) { hidePanel(get<ui::Panel>("Panel1"), background()); };
    setExitCorner("m6", "m9");
    afterShowing([this] { FormShow(); });
    describeScreen = [this](nlohmann::json& screen) {
        describeTitleRows(screen, titleRows_);
        describeTextRows(screen, textRows_, repeat_, watch_);
    };
}

void Tfrm18::FormShow() {
    redrawAfterOpening_.arm();
    for (std::string_view name : {"Image2", "Image3", "Image4", "Image5"}) get<ui::Picture>(name).sendToBack();
    std::vector<std::string> titles = content::loadLines("data2\\qem0015.dat");
    // The text pool is checked first: without it the screen lists nothing.
    texts_ = content::WholeTextFile::load("data2\\qem0017.dat");
    textIndex_ = content::WholeTextFile::load("data2\\qem0016.dat");
    // Titles beyond the last record have no text and are left out.
    titles.resize(std::min(titles.size(), textIndex_.text().size() / recordLength));
    std::vector<int> entryNumbers(titles.size());
    for (std::size_t i = 0; i < entryNumbers.size(); ++i) entryNumbers[i] = int(i) + 1;
    titleRows_.setEntries(std::move(titles), std::move(entryNumbers));
    un4().listTop = 0;
}

void Tfrm18::resetListState() {
    repeat_.reset();
    watch_.activated();
    drawRows();
}

void Tfrm18::drawRows() {
    titleRows_.refresh();
    textRows_.draw();
}

void Tfrm18::drawTitle(ui::Label& row, const std::string& title) {
    row.repaint();
    gfx::Canvas canvas = row.canvas();
    gfx::drawLineRightAligned(canvas, title, row.width() - titleRight, titleTop, un4().zeroAdvanceCodes);
}

void Tfrm18::markEntry(ui::Label& row) {
    titleRows_.mark(row);
    const TextRange range = readRange(textIndex_, std::int64_t(titleRows_.markedTag() - 1) * recordLength + 1);
    textRows_.setLines(textLines(cut(texts_.text(), range)));
    showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("Image1"));
    textRows_.draw();
}

void Tfrm18::exitScreen() {
    hidePanel(get<ui::Panel>("Panel1"), background());
    Screen::exitScreen();
}

}  // namespace vemra::text
