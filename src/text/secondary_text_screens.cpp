#include "text/secondary_text_screens.h"

#include <array>

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "designs/design.h"
#include "parts/reading_state.h"
#include "parts/row_colours.h"
#include "platform/ui/application.h"
#include "shell/artwork.h"
#include "shell/un4.h"
#include "text/text_sources.h"

namespace vemra::text {

namespace {

using shell::un4;

constexpr const char* artworkModule = "data3\\qem007.dat";
constexpr int textRows = 10;
constexpr int textRowHeight = 25;
constexpr int emptyStripHeight = 30;

constexpr std::array<std::string_view, 6> panelParts{"Image1", "lmtn", "Image4", "Image5", "lupmts", "ldnmts"};

// "data1" and the number with two digits: the track of a text of kind k is number k + 4.
std::string trackOfKind(int kind) {
    const int n = kind + 4;
    return std::string("data1\\") + (n < 10 ? "0" : "") + std::to_string(n) + ".dat";
}

}  // namespace

SecondaryTextScreen::SecondaryTextScreen(std::string_view name, shell::ScreenTraits traits, shell::Screen& opener,
                                         std::string_view stripSource, int lineStart)
    : Screen(*designs::findDesign(name), std::move(traits), &opener),
      textRows_(get<ui::Label>("lmtn"), get<ui::Picture>(stripSource),
                {.rows = textRows,
                 .maxTopNotBelowZero = true,
                 .rowHeight = textRowHeight,
                 .emptyStripHeight = emptyStripHeight,
                 .leftToRight = true,
                 .lineStart = lineStart},
                un4().zeroAdvanceCodes),
      repeat_(*timer("t2")),
      watch_(*timer("t1"), [this] { FormActivate(); }),
      redrawAfterOpening_(*this, [this] { drawRows(); }) {
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    repeat_.addArrow(get<ui::Label>("lupmts"), 3, get<ui::Picture>("Image4"), [this] { textRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldnmts"), 4, get<ui::Picture>("Image5"), [this] { textRows_.lineDown(); });
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    setExitCorner("m6", "m9");
    onActivate = [this](ui::Widget&) { FormActivate(); };
    showsText([this] { return textRows_.shownLines(); });
    describeScreen = [this](nlohmann::json& screen) { parts::describeTextRows(screen, textRows_, repeat_, watch_); };
}

void SecondaryTextScreen::loadArtwork(std::initializer_list<std::pair<std::string_view, std::string>> pictures) {
    for (const auto& [picture, bitmap] : pictures) shell::setPictureFromModule(get<ui::Picture>(picture), artworkModule, bitmap);
}

void SecondaryTextScreen::showText(const std::string& path) { textRows_.setLines(content::loadLines(path)); }

void SecondaryTextScreen::drawRows() { textRows_.draw(); }

void SecondaryTextScreen::resetListState() {
    repeat_.reset();
    watch_.activated();
    drawRows();
}

Tfrm36::Tfrm36(shell::Screen& menu)
    : SecondaryTextScreen("frm36",
                          {.animationSet = un4().selectedKind,
                           .track = trackOfKind(un4().selectedKind)},
                          menu, "m1", 1) {
    const std::string kind = std::to_string(un4().selectedKind);
    if (un4().selectedKind != 0) loadArtwork({{"m1", "data" + kind}, {"m9", "data0" + kind}});
    afterShowing([this] {
        get<ui::Picture>("Image4").sendToBack();
        get<ui::Picture>("Image5").sendToBack();
        showText(singleTextFile(un4().selectedKind));
        redrawAfterOpening_.arm();
    });
}

Tfrm35::Tfrm35(shell::Screen& menu)
    : SecondaryTextScreen("frm35",
                          {.animationSet = un4().selectedKind == 0 ? 13 : 14,
                           .track = un4().selectedKind == 0 ? "data1\\04.dat" : "data1\\03.dat"},
                          menu, "Image1", 5),
      titles_(*this, repeat_, parts::white, [this](ui::Label& row) { markEntry(row); },
              [this](ui::Label& row) { showFullTitle(row); }),
      overlay_(get<ui::Label>("labcamov"), {.opaque = true, .fromRowLeft = true, .parksWhenFits = true}) {
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) {
        unlightExit();
        hideFullTitle();
    };
    for (std::string_view name : {"lmtn", "Label1", "luptrs", "ldntrs"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) { hideFullTitle(); };
    // The glyphs are drawn over the full-title box: it is painted again to stay above them.
    textRows_.afterDrawing([this] {
        if (overlay_.expandedLine()) get<ui::Label>("labcamov").repaint();
    });
    background().onClick = [this](ui::Widget&) { hidePanel(); };
    if (un4().selectedKind != 0) {
        const std::string kind = std::to_string(un4().selectedKind);
        loadArtwork({{"m1", "data" + kind}, {"m9", "data0" + kind}, {"Image1", "data00" + kind}});
    }
    afterShowing([this] { FormShow(); });
    describeScreen = [this](nlohmann::json& screen) {
        titles_.describe(screen);
        parts::describeTextRows(screen, textRows_, repeat_, watch_);
        screen["fullTitle"] = overlay_.expandedLine() ? nlohmann::json(*overlay_.expandedLine()) : nlohmann::json();
        screen["panelShown"] = get<ui::Picture>("Image1").visible();
    };
}

void Tfrm35::FormShow() {
    titles_.sendArrowLooksBack();
    const int kind = un4().selectedKind;
    titles_.setTitles(listedTitles(content::loadLines(titleListFile(kind)), kind));
    redrawAfterOpening_.arm();
}

void Tfrm35::FormActivate() {
    overlay_.park();
    activateStandard();
}

void Tfrm35::drawRows() {
    titles_.rows().refresh();
    SecondaryTextScreen::drawRows();
}

std::string Tfrm35::textPath(int entry) const { return listedTextFile(un4().selectedKind, entry); }

void Tfrm35::markEntry(ui::Label& row) {
    titles_.rows().mark(row);
    auto& overlay = get<ui::Label>("labcamov");
    gfx::FontSpec font = overlay.font();
    font.color = row.font().color;
    overlay.setFont(font);
    overlay.setBounds({overlay.left(), overlay.top(), overlay.width(), row.height()});
    overlay.repaint();
    if (!get<ui::Picture>("Image1").visible()) {
        for (std::string_view part : panelParts) find(part)->setVisible(true);
        get<ui::Label>("lupmts").bringToFront();
        get<ui::Label>("ldnmts").bringToFront();
        get<ui::Picture>("Image1").repaint();
    }
    showText(textPath(titles_.rows().markedTag()));
    textRows_.draw();
}

void Tfrm35::showFullTitle(ui::Label& row) {
    if (overlay_.show(row)) redrawTextInPlace();
}

void Tfrm35::hideFullTitle() {
    if (!overlay_.expandedLine()) return;
    overlay_.hide();
    redrawTextInPlace();
}

void Tfrm35::redrawTextInPlace() {
    get<ui::Label>("lmtn").repaint();
    textRows_.draw(false);
}

void Tfrm35::hidePanel() {
    if (!get<ui::Picture>("Image1").visible()) return;
    for (std::string_view part : panelParts) find(part)->setVisible(false);
    background().repaint();
}

shell::Screen* createSecondaryTextScreen(std::string_view name, shell::Screen& opener) {
    if (name == "frm35") return &ui::app().create<Tfrm35>(opener);
    if (name == "frm36") return &ui::app().create<Tfrm36>(opener);
    return nullptr;
}

}  // namespace vemra::text
