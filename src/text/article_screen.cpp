#include "text/article_screen.h"

#include <nlohmann/json.hpp>

#include "content/whole_text_file.h"
#include "platform/ui/application.h"
#include "shell/artwork.h"
#include "shell/backdrop.h"
#include "shell/un4.h"
#include "text/reading_panel.h"

namespace vemra::text {

using shell::un4;

namespace {

constexpr int shortestPart = 15;

// The corner animation set for each value of `selectedKind`, the list screen that opened it.
constexpr int animationSets[] = {16, 14, 10, 7, 20};

int animationSetFor(int kind) { return kind >= 1 && kind <= 4 ? animationSets[kind] : animationSets[0]; }

}  // namespace

Tfrm19::Tfrm19(shell::Screen& list)
    : Screen(*designs::findDesign("frm19"),
             {.animationTarget = "Label3", .animationSet = animationSetFor(un4().selectedKind), .track = {}}, &list),
      textRows_(get<ui::Label>("l7"), get<ui::Picture>("Image2"),
                {.rows = 7, .maxTopNotBelowZero = false, .shadowed = false}, zeroAdvanceCodes_),
      repeat_(*timer("t2")),
      watch_(*timer("T1"), [this] { activateStandard(); }) {
    for (std::string_view name : {"imgg1", "imgg2", "imgg3", "imgg4"}) {
        auto& button = get<ui::Picture>(name);
        button.onClick = [this, &button](ui::Widget&) { choosePart(button); };
    }
    repeat_.addArrow(get<ui::Label>("llsu"), 1, get<ui::Picture>("Image4"), [this] { textRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("llsd"), 2, get<ui::Picture>("Image3"), [this] { textRows_.lineDown(); });
    background().onClick = [this](ui::Widget&) { hidePanel(get<ui::Panel>("Panel1"), background()); };
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    setExitCorner("m6", "m5");
    onShow = [this, centre = onShow](ui::Widget& w) {
        centre(w);
        get<ui::Label>("Label2").setCaption(un4().articleTitle);
    };
    onDeactivate = [this](ui::Widget&) { timer("T1")->setEnabled(false); };
    describeScreen = [this](nlohmann::json& screen) {
        screen["textTop"] = textRows_.textTop();
        screen["textMaxTop"] = textRows_.textMaxTop();
        screen["partLines"] = textRows_.lineCount();
        screen["pressedPart"] = pressedButton_.tag();
        screen["repeatDir"] = repeat_.direction();
        screen["activated"] = watch_.isActivated();
        nlohmann::json parts = nlohmann::json::array();
        for (const TextRange& p : parts_) parts.push_back({p.start, p.length});
        screen["parts"] = parts;
    };
    ui::app().handle([this] { FormCreate(); });
}

void Tfrm19::FormCreate() {
    if (un4().selectedKind != 0) loadSectionArtwork();
    const auto starts = content::WholeTextFile::load("data2\\qem0003.dat");
    const auto pool = content::WholeTextFile::load("data2\\qem0005.dat");
    articleText_ = cut(pool.text(), readRange(starts, std::int64_t(un4().articleIndex) * 16 + 1));
    const auto partIndex = content::WholeTextFile::load("data2\\qem0004.dat");
    for (std::size_t k = 0; k < parts_.size(); ++k) {
        parts_[k] = readRange(partIndex, std::int64_t(un4().articleIndex) * 64 + std::int64_t(k) * 16 + 1);
        if (parts_[k].length < shortestPart) get<ui::Picture>("imgg" + std::to_string(k + 1)).setEnabled(false);
    }
    textRows_.setLines(textLines(cut(articleText_, parts_[0])));
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
    watch_.activated();
    timer("T1")->setEnabled(true);
    textRows_.draw();
}

void Tfrm19::choosePart(ui::Picture& button) {
    pressedButton_.press(button, get<ui::Picture>("Image1"));
    showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("Image2"));
    textRows_.setLines(textLines(cut(articleText_, parts_[std::size_t(button.tag - 1)])));
    textRows_.draw();
}

void Tfrm19::exitScreen() {
    hidePanel(get<ui::Panel>("Panel1"), background());
    leaveWithEffect();
}

}  // namespace vemra::text
