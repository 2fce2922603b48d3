#include "text/seven_part_article.h"

#include "content/whole_text_file.h"
#include "parts/reading_panel.h"
#include "platform/ui/panel.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::text {

using shell::un4;

namespace {

constexpr int partCount = 7;
constexpr int articleRecordLength = 16;
constexpr int partRecordLength = partCount * 16;

// A part's range includes one character before and one after the text shown.
std::string partText(const std::string& article, parts::TextRange range) {
    return parts::cut(article, {range.start + 1, range.length - 2});
}

}  // namespace

Tfrm20::Tfrm20(shell::Screen& placeScreen)
    : PartedArticle("frm20",
                    {.animationTarget = "Label3", .animationSet = 12, .trackTimer = "Tr1", .track = "data1\\05.dat",
                     .ownTrackFlag = true},
                    placeScreen,
                    {.partButton = "Imgg",
                     .partCount = partCount,
                     .textArea = "lmtn",
                     .textBackground = "mm",
                     .rows = {.rows = 7, .maxTopNotBelowZero = true, .firstRowTop = 0},
                     .upArrow = "l10",
                     .upLit = "Image1",
                     .downArrow = "l11",
                     .downLit = "Image2",
                     .exitCorner = "m9",
                     .exitLook = "m5"}) {
    get<ui::Label>("lname").setCaption(un4().articleTitle);
    afterShowing([this] { FormShow(); });
}

void Tfrm20::FormShow() {
    const auto starts = content::WholeTextFile::load("data2\\qem0006.dat");
    const auto partIndex = content::WholeTextFile::load("data2\\qem0007.dat");
    const auto pool = content::WholeTextFile::load("data2\\qem0008.dat");
    get<ui::Picture>("Image1").sendToBack();
    get<ui::Picture>("Image2").sendToBack();
    const std::int64_t article = un4().articleIndex;
    articleText_ = parts::cut(pool.text(), parts::readRange(starts, article * articleRecordLength + 1));
    readParts(partIndex, article * partRecordLength + 1);
    textRows_.setLines({});
}

void Tfrm20::resetListState() { activateText(); }

void Tfrm20::choosePart(ui::Picture& button) {
    pressedButton_.press(button, get<ui::Picture>("Image3"));
    textRows_.setLines(parts::textLines(partText(articleText_, parts_[std::size_t(button.tag - 1)])));
    parts::showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("mm"));
    textRows_.draw();
}

void Tfrm20::exitScreen() {
    shell::backdrop().Timer7().setEnabled(false);
    parts::hidePanel(get<ui::Panel>("Panel1"), background());
    leaveWithEffect();
}

}  // namespace vemra::text
