#include "text/parted_article.h"

#include <nlohmann/json.hpp>

#include "parts/reading_panel.h"
#include "platform/ui/panel.h"

namespace vemra::text {

PartedArticle::PartedArticle(std::string_view name, shell::ScreenTraits traits, shell::Screen& opener,
                             const PartedArticleLayout& layout)
    : Screen(*designs::findDesign(name), std::move(traits), &opener),
      parts_(std::size_t(layout.source.partCount)),
      textRows_(get<ui::Label>(layout.textArea), get<ui::Picture>(layout.textBackground), layout.rows,
                zeroAdvanceCodes_),
      repeat_(*timer("t2")),
      watch_(*timer("T1"), [this] { activateStandard(); }),
      source_(layout.source),
      partButtonName_(layout.partButton) {
    for (std::size_t k = 0; k < parts_.size(); ++k) {
        auto& button = partButton(k);
        button.onClick = [this, &button](ui::Widget&) { choosePart(button); };
    }
    repeat_.addArrow(get<ui::Label>(layout.upArrow), 1, get<ui::Picture>(layout.upLit), [this] { textRows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>(layout.downArrow), 2, get<ui::Picture>(layout.downLit),
                     [this] { textRows_.lineDown(); });
    background().onClick = [this](ui::Widget&) { parts::hidePanel(get<ui::Panel>("Panel1"), background()); };
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    setExitCorner(layout.exitCorner, layout.exitLook);
    onDeactivate = [this](ui::Widget&) { timer("T1")->setEnabled(false); };
    showsText([this] { return textRows_.shownLines(); });
    describeScreen = [this](nlohmann::json& screen) {
        screen["textTop"] = textRows_.textTop();
        screen["textMaxTop"] = textRows_.textMaxTop();
        screen["partLines"] = textRows_.lineCount();
        screen["pressedPart"] = pressedButton_.tag();
        screen["repeatDir"] = repeat_.direction();
        screen["activated"] = watch_.isActivated();
        nlohmann::json parts = nlohmann::json::array();
        for (const parts::TextRange& p : parts_) parts.push_back({p.start, p.length});
        screen["parts"] = parts;
    };
}

ui::Picture& PartedArticle::partButton(std::size_t index) {
    return get<ui::Picture>(partButtonName_ + std::to_string(index + 1));
}

void PartedArticle::readParts(const content::WholeTextFile& partIndex, int article) {
    for (std::size_t k = 0; k < parts_.size(); ++k) {
        parts_[k] = partRange(source_, partIndex, article, int(k));
        if (!canBePicked(parts_[k])) partButton(k).setEnabled(false);
    }
}

std::vector<std::string> PartedArticle::partLines(std::size_t part) const {
    return parts::textLines(partText(source_, articleText_, parts_[part]));
}

void PartedArticle::activateText() {
    watch_.activated();
    timer("T1")->setEnabled(true);
    textRows_.draw();
}

}  // namespace vemra::text
