#include "text/title_text_screen.h"

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "parts/reading_panel.h"
#include "parts/reading_state.h"
#include "parts/row_colours.h"
#include "parts/text_pool.h"
#include "shell/un4.h"
#include "text/text_sources.h"

namespace vemra::text {

using shell::un4;

namespace {

constexpr int titleRight = 5;  // titles end this far inside their row's right edge
constexpr int titleTop = 2;

}  // namespace

Tfrm18::Tfrm18(shell::Screen& mainMenu)
    : Screen(*designs::findDesign("frm18"), {.animationSet = 18, .track = "data1\\02.dat"}, &mainMenu),
      repeat_(*timer("t2")),
      titles_(*this, repeat_, parts::red, [this](ui::Label& row) { markEntry(row); }),
      textRows_(get<ui::Label>("lmtn"), get<ui::Picture>("Image1"),
                {.rows = 8, .maxTopNotBelowZero = true, .shadowed = true}, un4().zeroAdvanceCodes),
      watch_(*timer("t1"), [this] { activateStandard(); }),
      redrawAfterOpening_(*this, [this] { drawRows(); }) {
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    titles_.rows().setShowLine([this](ui::Label& row, const std::string& title) { drawTitle(row, title); });
    repeat_.addArrow(get<ui::Label>("lupmts"), 3, get<ui::Picture>("Image4"), [this] { textRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldnmts"), 4, get<ui::Picture>("Image5"), [this] { textRows_.lineDown(); });
    for (std::string_view name : {"m1", "luptrs", "ldntrs"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    background().onClick = [this](ui::Widget&) { parts::hidePanel(get<ui::Panel>("Panel1"), background()); };
    setExitCorner("m6", "m9");
    afterShowing([this] { FormShow(); });
    showsText([this] { return textRows_.shownLines(); });
    describeScreen = [this](nlohmann::json& screen) {
        titles_.describe(screen);
        parts::describeTextRows(screen, textRows_, repeat_, watch_);
    };
}

void Tfrm18::FormShow() {
    redrawAfterOpening_.arm();
    titles_.sendArrowLooksBack();
    std::vector<std::string> titles = content::loadLines(readingTitlesFile);
    // The text pool is checked first: without it the screen lists nothing.
    texts_ = content::WholeTextFile::load(readingPoolFile);
    textIndex_ = content::WholeTextFile::load(readingIndexFile);
    keepTitlesWithTexts(titles, textIndex_);
    titles_.setTitles(std::move(titles));
}

void Tfrm18::resetListState() {
    repeat_.reset();
    watch_.activated();
    drawRows();
}

void Tfrm18::drawRows() {
    titles_.rows().refresh();
    textRows_.draw();
}

void Tfrm18::drawTitle(ui::Label& row, const std::string& title) {
    row.repaint();
    gfx::Canvas canvas = row.canvas();
    gfx::drawLineRightAligned(canvas, title, row.width() - titleRight, titleTop, un4().zeroAdvanceCodes);
}

void Tfrm18::markEntry(ui::Label& row) {
    titles_.rows().mark(row);
    textRows_.setLines(parts::textLines(readingText(textIndex_, texts_, titles_.rows().markedTag())));
    parts::showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("Image1"));
    textRows_.draw();
}

void Tfrm18::exitScreen() {
    parts::hidePanel(get<ui::Panel>("Panel1"), background());
    Screen::exitScreen();
}

}  // namespace vemra::text
