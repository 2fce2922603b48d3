#include "text/seven_part_article.h"

#include "content/whole_text_file.h"
#include "parts/reading_panel.h"
#include "platform/ui/panel.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::text {

using shell::un4;

Tfrm20::Tfrm20(shell::Screen& placeScreen)
    : PartedArticle("frm20",
                    {.animationTarget = "Label3", .animationSet = 12, .trackTimer = "Tr1", .track = "data1\\05.dat",
                     .ownTrackFlag = true},
                    placeScreen,
                    {.source = sevenPartArticles,
                     .partButton = "Imgg",
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
    const auto starts = content::WholeTextFile::load(sevenPartArticles.starts);
    const auto partIndex = content::WholeTextFile::load(sevenPartArticles.parts);
    const auto pool = content::WholeTextFile::load(sevenPartArticles.pool);
    get<ui::Picture>("Image1").sendToBack();
    get<ui::Picture>("Image2").sendToBack();
    articleText_ = articleText(starts, pool, un4().articleIndex);
    readParts(partIndex, un4().articleIndex);
    textRows_.setLines({});
}

void Tfrm20::resetListState() { activateText(); }

void Tfrm20::choosePart(ui::Picture& button) {
    pressedButton_.press(button, get<ui::Picture>("Image3"));
    textRows_.setLines(partLines(std::size_t(button.tag - 1)));
    parts::showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("mm"));
    textRows_.draw();
}

void Tfrm20::exitScreen() {
    shell::backdrop().Timer7().setEnabled(false);
    parts::hidePanel(get<ui::Panel>("Panel1"), background());
    leaveWithEffect();
}

}  // namespace vemra::text
