#include "text/place_index_screen.h"

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "designs/building_blocks.h"
#include "parts/text_pool.h"
#include "platform/ui/application.h"
#include "platform/ui/hex.h"
#include "shell/backdrop.h"
#include "shell/navigation.h"
#include "shell/un4.h"
#include "text/section_entries.h"
#include "text/text_sources.h"

namespace vemra::text {

using shell::un4;

namespace {

constexpr int firstPlaceTag = 50, lastPlaceTag = firstPlaceTag + placeCount - 1;
constexpr int placeTextTop = 124;
constexpr int parkedTop = 2000;
constexpr int indexTextMargin = 20;  // index texts end this far inside the list's width

bool isPlace(const ui::Widget& w) { return w.kind() == "label" && w.tag >= firstPlaceTag && w.tag <= lastPlaceTag; }

void hideIfVisible(ui::Widget& w) {
    if (w.visible()) w.setVisible(false);
}

}  // namespace

Tfrm5::Tfrm5(shell::Screen& mainMenu)
    : Screen(*designs::findDesign("frm5"),
             {.trackTimer = "Tr1", .track = "data1\\00.dat", .ownTrackFlag = true}, &mainMenu) {
    onDeactivate = nullptr;  // the music goes on under the screens this one opens
    for (const auto& child : children())
        if (isPlace(*child)) {
            auto& place = static_cast<ui::Label&>(*child);
            place.onClick = [this, &place](ui::Widget&) { showPlaceText(place); };
        }
    auto& indexButton = get<ui::Label>("l1");
    auto& indexLit = get<ui::Picture>("m2");
    indexButton.onClick = [this](ui::Widget&) { toggleIndex(); };
    indexLit.onClick = [this](ui::Widget&) { toggleIndex(); };
    indexButton.onMouseMove = [&indexLit](ui::Widget&, unsigned, int, int) {
        if (!indexLit.visible()) indexLit.setVisible(true);
    };
    background().onMouseMove = [this, &indexLit](ui::Widget&, unsigned, int, int) {
        hideIfVisible(indexLit);
        endHover();
    };
    background().onClick = [this](ui::Widget&) { closeAll(); };
    addHotspot("Image3", "Image2");
    addHotspot("Image4", "Image2");
    get<ui::Picture>("Image3").onClick = [this](ui::Widget& w) { openBranch(static_cast<ui::Picture&>(w), "frm30"); };
    get<ui::Picture>("Image4").onClick = [this](ui::Widget& w) { openBranch(static_cast<ui::Picture&>(w), "frm31"); };
    setExitCorner("l2", "m5");
    auto& list = get<ui::ListBox>("ls1");
    list.onDrawItem = [this](ui::ListBox& l, int index, gfx::Canvas& canvas, gfx::Rect rect, bool) {
        drawIndexItem(l, index, canvas, rect);
    };
    list.onDblClick = [this](ui::Widget&) { openArticle(); };
    describeScreen = [this](nlohmann::json& screen) {
        auto& l = get<ui::ListBox>("ls1");
        screen["pressedPlace"] = pressedPlace_ ? nlohmann::json(pressedPlace_->name()) : nlohmann::json(nullptr);
        screen["litHotspot"] = litHotspot ? nlohmann::json(litHotspot->name()) : nlohmann::json(nullptr);
        screen["indexVisible"] = l.visible();
        screen["indexTop"] = l.topIndex();
        screen["lineArticle"] = lineArticle_;
        screen["placeTextShown"] = get<ui::Memo>("me1").top() != parkedTop;
        screen["placeText"] = ui::hexBytes(get<ui::Memo>("me1").text());
    };
    showsText([this] {
        const auto& shown = get<ui::Memo>("me1");
        return shown.top() != parkedTop ? shown.lines() : std::vector<std::string>();
    });
    ui::app().handle([this] { FormCreate(); });
}

void Tfrm5::FormCreate() {
    auto& text = get<ui::Memo>("me2");
    auto& shown = get<ui::Memo>("me1");
    placeRecords_ = content::WholeTextFile::load(placeRecordsFile);
    text.setLines(content::loadLines(placeTextsFile));
    shown.setLines({});
    text.setTop(parkedTop);
    shown.setTop(parkedTop);
    get<ui::ListBox>("ls1").cursor = designs::hotspotCursor;
    litHotspot = nullptr;
    buildIndex();
    text.setVisible(false);
}

void Tfrm5::buildIndex() {
    // A vector, so a section of any length is listed whole.
    SectionEntries section = sectionEntries(placeIndexSection);
    lineArticle_ = std::move(section.articles);
    auto& list = get<ui::ListBox>("ls1");
    for (std::string& title : section.titles) list.addItem(std::move(title));
}

void Tfrm5::drawIndexItem(ui::ListBox& list, int index, gfx::Canvas& canvas, gfx::Rect rect) {
    const std::string& text = list.items()[std::size_t(index)];
    canvas.fillRect(rect);
    canvas.textOut(list.width() - canvas.textWidth(text) - indexTextMargin, rect.top, text);
}

void Tfrm5::showPlaceText(ui::Label& place) {
    if (pressedPlace_.get() != &place) {
        unlightPlace();
        pressedPlace_ = &place;
        place.window()->paintDirty();  // a later paint would cover the lit look drawn on the window
        shell::copyLitLook(place, get<ui::Picture>("Image1"));
    }
    const parts::TextRange range = placeRange(placeRecords_, place.tag - firstPlaceTag);
    auto& text = get<ui::Memo>("me2");
    text.setSelStart(range.start);
    text.setSelLength(range.length);
    get<ui::Memo>("me1").setText(text.selText());
    get<ui::Picture>("m4").setVisible(true);
    get<ui::Memo>("me1").setTop(placeTextTop);
    hideIndex();
}

void Tfrm5::toggleIndex() {
    auto& backdrop = get<ui::Picture>("m3");
    auto& list = get<ui::ListBox>("ls1");
    backdrop.setVisible(!backdrop.visible());
    list.setVisible(!list.visible());
    parkPlaceText();
    unlightPlace();
}

void Tfrm5::closeAll() {
    hideIndex();
    parkPlaceText();
    unlightPlace();
}

void Tfrm5::hideIndex() {
    hideIfVisible(get<ui::Picture>("m3"));
    hideIfVisible(get<ui::ListBox>("ls1"));
}

void Tfrm5::parkPlaceText() {
    auto& shown = get<ui::Memo>("me1");
    if (shown.top() != parkedTop) shown.setTop(parkedTop);
    hideIfVisible(get<ui::Picture>("m4"));
}

void Tfrm5::unlightPlace() {
    ui::Label* place = pressedPlace_.get();
    if (!place) return;
    place->setVisible(false);
    place->setVisible(true);
    pressedPlace_ = nullptr;
}

void Tfrm5::openArticle() {
    auto& list = get<ui::ListBox>("ls1");
    const int item = list.itemIndex();
    if (item < 0 || std::size_t(item) >= lineArticle_.size()) return;  // a double click below the items
    un4().articleIndex = lineArticle_[std::size_t(item)];
    un4().articleTitle = list.items()[std::size_t(item)];
    shell::Screen* article = shell::navigation().create("frm20", *this);
    if (!article) return;
    const int listTop = list.top();
    list.setTop(parkedTop);  // out of the transition's way
    openScreen(*article, true);
    list.setTop(listTop);
}

void Tfrm5::openBranch(ui::Picture& button, std::string_view screen) {
    button.clear();
    litHotspot = nullptr;
    hideIndex();
    parkPlaceText();
    unlightPlace();
    if (shell::Screen* target = shell::navigation().create(screen, *this)) openScreen(*target);
}

void Tfrm5::exitScreen() {
    get<ui::Picture>("m5").clear();
    hideIndex();
    hideIfVisible(get<ui::Picture>("m4"));
    hideIfVisible(get<ui::Picture>("m2"));
    get<ui::Memo>("me1").setTop(parkedTop);
    leaveWithEffect();
}

}  // namespace vemra::text
