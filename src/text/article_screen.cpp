#include "text/article_screen.h"

#include "content/whole_text_file.h"
#include "parts/reading_panel.h"
#include "platform/ui/application.h"
#include "shell/artwork.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::text {

using shell::un4;

namespace {

// The corner animation set for each value of `selectedKind`, the list screen that opened it.
constexpr int animationSets[] = {16, 14, 10, 7, 20};

int animationSetFor(int kind) { return kind >= 1 && kind <= 4 ? animationSets[kind] : animationSets[0]; }

}  // namespace

Tfrm19::Tfrm19(shell::Screen& list)
    : PartedArticle("frm19", {.animationTarget = "Label3", .animationSet = animationSetFor(un4().selectedKind), .track = {}},
                    list,
                    {.source = fourPartArticles,
                     .partButton = "imgg",
                     .textArea = "l7",
                     .textBackground = "Image2",
                     .rows = {.rows = 7, .maxTopNotBelowZero = false, .shadowed = false},
                     .upArrow = "llsu",
                     .upLit = "Image4",
                     .downArrow = "llsd",
                     .downLit = "Image3",
                     .exitCorner = "m6",
                     .exitLook = "m5"}) {
    afterShowing([this] { get<ui::Label>("Label2").setCaption(un4().articleTitle); });
    ui::app().handle([this] { FormCreate(); });
}

void Tfrm19::FormCreate() {
    if (un4().selectedKind != 0) loadSectionArtwork();
    const auto starts = content::WholeTextFile::load(fourPartArticles.starts);
    const auto pool = content::WholeTextFile::load(fourPartArticles.pool);
    articleText_ = articleText(starts, pool, un4().articleIndex);
    readParts(content::WholeTextFile::load(fourPartArticles.parts), un4().articleIndex);
    textRows_.setLines(partLines(0));
}

void Tfrm19::loadSectionArtwork() {
    const std::string prefix = "a" + std::to_string(un4().selectedKind);
    const std::pair<const char*, const char*> targets[] = {{"1", "m1"}, {"2", "Image1"}, {"3", "m5"}, {"4", "Image2"}};
    for (const auto& [digit, picture] : targets) {
        shell::setPictureFromModule(get<ui::Picture>(picture), "data3\\qem006.dat", prefix + digit);
    }
    auto& exitLook = get<ui::Picture>("m5");
    const bool lower = un4().selectedKind == 2 || un4().selectedKind == 3;
    exitLook.setBounds({exitLook.left() - 1, exitLook.top() + (lower ? 1 : 0), exitLook.width(), exitLook.height()});
}

void Tfrm19::resetListState() {
    get<ui::Picture>("Image4").sendToBack();
    get<ui::Picture>("Image3").sendToBack();
    activateText();
}

void Tfrm19::choosePart(ui::Picture& button) {
    pressedButton_.press(button, get<ui::Picture>("Image1"));
    parts::showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("Image2"));
    textRows_.setLines(partLines(std::size_t(button.tag - 1)));
    textRows_.draw();
}

void Tfrm19::exitScreen() {
    parts::hidePanel(get<ui::Panel>("Panel1"), background());
    leaveWithEffect();
}

}  // namespace vemra::text
