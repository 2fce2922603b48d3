#include "text/seven_part_article.h"

#include <nlohmann/json.hpp>

#include "content/whole_text_file.h"
#include "platform/ui/application.h"
#include "platform/ui/panel.h"
#include "shell/backdrop.h"
#include "shell/un4.h"
#include "text/reading_panel.h"

namespace vemra::text {

using shell::un4;

namespace {

constexpr int partCount = 7;
constexpr int shortestPart = 15;
constexpr int articleRecordLength = 16;
constexpr int partRecordLength = partCount * 16;

// A part's range includes one character before and one after the text shown.
std::string partText(const std::string& article, TextRange range) {
    return cut(article, {range.start + 1, range.length - 2});
}

}  // namespace

Tfrm20::Tfrm20(shell::Screen& placeScreen)
    : Screen(*designs::findDesign("frm20"),
             {.animationTarget = "Label3", .animationSet = 12, .trackTimer = "Tr1", .track = "data1\\05.dat",
              .ownTrackFlag = true},
             &placeScreen),
      textRows_(get<ui::Label>("lmtn"), get<ui::Picture>("mm"),
                {.rows = 7, .maxTopNotBelowZero = true, .firstRowTop = 0}, zeroAdvanceCodes_),
      repeat_(*timer("t2")),
      watch_(*timer("T1"), [this] { activateStandard(); }) {
    get<ui::Label>("lname").setCaption(un4().articleTitle);
    for (int k = 1; k <= partCount; ++k) {
        auto& button = get<ui::Picture>("Imgg" + std::to_string(k));
        button.onClick = [this, &button](ui::Widget&) { pickPart(button); };
    }
    repeat_.addArrow(get<ui::Label>("l10"), 1, get<ui::Picture>("Image1"), [this] { textRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("l11"), 2, get<ui::Picture>("Image2"), [this] { textRows_.lineDown(); });
    background().onClick = [this](ui::Widget&) { hidePanel(get<ui::Panel>("Panel1"), background()); };
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    setExitCorner("m9", "m5");
    onShow = [this, centre = onShow](ui::Widget& w) {
        centre(w);
        FormShow();
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
}

void Tfrm20::FormShow() {
    const auto starts = content::WholeTextFile::load("data2\\qem0006.dat");
    const auto partIndex = content::WholeTextFile::load("data2\\qem0007.dat");
    const auto pool = content::WholeTextFile::load("data2\\qem0008.dat");
    get<ui::Picture>("Image1").sendToBack();
    get<ui::Picture>("Image2").sendToBack();
    const std::int64_t article = un4().articleIndex;
    articleText_ = cut(pool.text(), readRange(starts, article * articleRecordLength + 1));
    for (std::size_t k = 0; k < parts_.size(); ++k) {
        parts_[k] = readRange(partIndex, article * partRecordLength + std::int64_t(k) * 16 + 1);
        if (parts_[k].length < shortestPart) get<ui::Picture>("Imgg" + std::to_string(k + 1)).setEnabled(false);
    }
    textRows_.setLines({});
}

void Tfrm20::resetListState() {
    watch_.activated();
    timer("T1")->setEnabled(true);
    textRows_.draw();
}

void Tfrm20::pickPart(ui::Picture& button) {
    pressedButton_.press(button, get<ui::Picture>("Image3"));
    textRows_.setLines(textLines(partText(articleText_, parts_[std::size_t(button.tag - 1)])));
    showPanel(get<ui::Panel>("Panel1"), get<ui::Picture>("mm"));
    textRows_.draw();
}

void Tfrm20::exitScreen() {
    shell::backdrop().Timer7().setEnabled(false);
    hidePanel(get<ui::Panel>("Panel1"), background());
    leaveWithEffect();
}

}  // namespace vemra::text
