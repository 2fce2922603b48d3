#include "names/names_screen.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "platform/ui/application.h"
#include "platform/ui/panel.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::names {

using shell::un4;

namespace {
constexpr int rollStep = 2;
constexpr int tickMs = 50;
constexpr int shortList = 8;  // fewer lines than this never bring namesTop back to 0 on their own
}  // namespace

Tfrm32::Tfrm32(shell::Screen& opener)
    : Screen(*designs::findDesign("frm32"), {.cover = "Label1", .background = "Image1", .track = ""}, &opener),
      ls1_(get<ui::ListBox>("ls1")),
      pan_(get<ui::Label>("pan")) {
    auto& corner = get<ui::Picture>("m2");
    get<ui::Label>("l1").onMouseMove = [&corner](ui::Widget&, unsigned, int, int) { corner.bringToFront(); };
    background().onMouseMove = [&corner](ui::Widget&, unsigned, int, int) { corner.sendToBack(); };
    corner.onClick = [this](ui::Widget&) { exitScreen(); };
    ls1_.onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::escape) exitScreen();
    };
    timer("Timer1")->onTimer = [this](ui::Timer&) { rollNames(); };
    timer("Timer2")->onTimer = [this](ui::Timer& t) { moveStrip(t); };
    onActivate = [this](ui::Widget&) { FormActivate(); };
    describeScreen = [this](nlohmann::json& screen) {
        screen["namesTop"] = namesTop_;
        screen["namesEnd"] = namesEnd_;
        screen["stripPos"] = stripPos_;
        nlohmann::json rows = nlohmann::json::array();
        for (ui::Label* row : nameRows_) rows.push_back(row->name());
        screen["nameRows"] = rows;
    };
    ui::app().handle([this] { FormCreate(); });
}

void Tfrm32::FormCreate() {
    caption = "vemra";
    std::size_t k = 0;
    for (std::string_view name : {"Label7", "Label2", "Label3", "Label4", "Label5", "Label6"})
        nameRows_[k++] = &get<ui::Label>(name);
    ls1_.setItems(content::loadLines(namesFile));
    namesEnd_ = int(ls1_.items().size()) - 7;
    namesTop_ = 0;
    for (int r = 0; r < rowCount; ++r) {
        nameRows_[std::size_t(r)]->setCaption(nameAt(r));
        nameRows_[std::size_t(r)]->setVisible(true);
    }
    timer("Timer1")->setInterval(tickMs);
}

void Tfrm32::FormActivate() {
    ui::Timer& strip = *timer("Timer2");
    strip.setInterval(1);
    strip.setEnabled(true);
    stripPos_ = stripWidth;
}

int Tfrm32::wrapAt() const {
    const int count = int(ls1_.items().size());
    return count < shortList ? count + 1 : namesEnd_;
}

std::string Tfrm32::nameAt(int index) const {
    const auto& lines = ls1_.items();
    const int count = int(lines.size());
    if (count < shortList) index %= count + 1;
    return index < count ? lines[std::size_t(index)] : std::string();
}

void Tfrm32::rollNames() {
    for (ui::Label* row : nameRows_) {
        row->repaint();
        row->setTop(row->top() - rollStep);
    }
    ui::Label* first = nameRows_.front();
    if (first->top() > -first->height()) return;
    std::rotate(nameRows_.begin(), nameRows_.begin() + 1, nameRows_.end());
    first->setTop(get<ui::Panel>("Panel4").height());
    if (++namesTop_ == wrapAt()) namesTop_ = 0;
    for (int r = 0; r < rowCount; ++r) {
        nameRows_[std::size_t(r)]->setCaption(nameAt(namesTop_ + r));
        nameRows_[std::size_t(r)]->setVisible(true);
    }
}

void Tfrm32::moveStrip(ui::Timer& timer) {
    timer.setInterval(tickMs);
    ui::Picture& strip = get<ui::Picture>("m1");
    const gfx::Canvas source = strip.canvas();
    gfx::Canvas target = pan_.canvas();
    for (int d = 309; d >= 0; --d) {
        if (--stripPos_ <= 0) stripPos_ = stripWidth - 1;
        target.copyRect({d, 0, 1, strip.height()}, source, {stripPos_ % stripWidth, 0, 1, strip.height()});
    }
    stripPos_ = stripPos_ > 3954 ? stripPos_ - 3954 : stripPos_ + 309;
}

void Tfrm32::exitScreen() {
    get<ui::Panel>("Panel4").setVisible(false);
    timer("Timer1")->setEnabled(false);
    timer("Timer2")->setEnabled(false);
    leaveWithEffect();
}

}  // namespace vemra::names
