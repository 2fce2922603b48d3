#include "shell/intro.h"

#include "content/content_source.h"
#include "content/cursors.h"
#include "designs/design.h"
#include "platform/ui/application.h"
#include "platform/ui/panel.h"
#include "platform/ui/picture.h"
#include "shell/artwork.h"
#include "shell/builtin_cursor.h"
#include "shell/design_builder.h"
#include "shell/un4.h"

namespace vemra::shell {

namespace {
constexpr int hotspotCursor = 5;
}

Intro::Intro(std::function<void()> showMainMenu)
    : ui::Window("frm16", "Tfrm16"), med1_("intro", content::mediaSource), showMainMenu_(std::move(showMainMenu)) {
    buildFromDesign(*this, *designs::findDesign("frm16"), artSource());
    med1_.setAutoRewind(false);
    auto& p1 = component<ui::Panel>(*this, "p1");
    timer("Timer2")->onTimer = [this](ui::Timer& t) { startVideo(t); };
    timer("Timer1")->onTimer = [this](ui::Timer& t) { watchEnd(t); };
    onClick = [this](ui::Widget&) { skip(); };
    p1.onClick = [this](ui::Widget&) { skip(); };
    component<ui::Picture>(*this, "m1").onClick = [this](ui::Widget&) { med1_.seek(med1_.length()); };
    onClose = [](ui::Window&, ui::CloseAction& action) { action = ui::CloseAction::none; };
    onShow = [this](ui::Widget&) {
        if (introFailed_ != 0) {
            handOver();
            return;
        }
        un4().currentScreen = this;
        CenterScreen();
        repaint();
    };

    ui::app().setCursor(hotspotCursor, std::make_shared<ui::CursorShape>(builtinHotspotCursor()));
    if (content::fileExists("qem00.ani"))
        if (auto animated = content::loadCursor("qem00.ani"))
            ui::app().setCursor(hotspotCursor, std::make_shared<ui::CursorShape>(std::move(*animated)));
    cursor = hotspotCursor;
    p1.cursor = hotspotCursor;
    med1_.setDisplay(&p1);
    introFailed_ = 0;
}

void Intro::startVideo(ui::Timer& timer2) {
    try {
        med1_.setFileName("data1\\qem01.avi");
        med1_.open();
        med1_.play();
    } catch (const std::exception&) {
        introFailed_ = -1;
        timer2.setEnabled(false);
        handOver();
        return;
    }
    timer2.setEnabled(false);
    timer("Timer1")->setEnabled(true);
}

void Intro::watchEnd(ui::Timer& timer1) {
    if (med1_.position() < med1_.length()) return;
    timer1.setEnabled(false);
    med1_.close();
    handOver();
}

void Intro::skip() {
    timer("Timer1")->setEnabled(false);
    med1_.close();
    handOver();
}

void Intro::handOver() {
    if (handedOver_) return;
    handedOver_ = true;
    release();
    showMainMenu_();
}

}  // namespace vemra::shell
