#include "shell/screen.h"

#include "content/content_source.h"
#include "content/logical_text.h"
#include "platform/ui/application.h"
#include "shell/artwork.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::shell {

Screen::Screen(const designs::WindowDesign& design, ScreenTraits traits, Screen* parent)
    : ui::Window(std::string(design.name), std::string(design.className)), traits_(std::move(traits)), parent_(parent) {
    buildFromDesign(*this, design, artSource());
    onShow = [this](ui::Widget&) {
        un4().currentScreen = this;
        CenterScreen();
    };
    onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::escape) exitScreen();
    };
    onClose = [this](ui::Window&, ui::CloseAction& action) {
        action = ui::CloseAction::none;
        exitScreen();
    };
    if (!traits_.track.empty()) {
        ui::Timer* tr = timer(traits_.trackTimer);
        if (!tr) throw std::logic_error(name() + " has no track timer " + std::string(traits_.trackTimer));
        tr->onTimer = [this](ui::Timer& t) { trackTick(t); };
        tr->idleWhile = [this] { return trackIdle(); };
        onDeactivate = [tr](ui::Widget&) { tr->setEnabled(false); };
    }
    if (traits_.animationSet != 0 || !traits_.track.empty()) onActivate = [this](ui::Widget&) { activateStandard(); };
}

void Screen::addHotspot(std::string_view hotspot, std::string_view lit) {
    auto& spot = get<ui::Picture>(hotspot);
    auto& litPicture = get<ui::Picture>(lit);
    spot.onMouseMove = [this, &spot, &litPicture](ui::Widget&, unsigned, int, int) { lightHotspot(spot, litPicture); };
}

namespace {

template <class Target>
void copyUnder(Target& target, ui::Picture& lit) {
    const gfx::Rect under{target.left() - lit.left(), target.top() - lit.top(), target.width(), target.height()};
    target.canvas().copyRect({0, 0, target.width(), target.height()}, lit.canvas(), under);
}

}  // namespace

void copyLitLook(ui::Picture& target, ui::Picture& lit) { copyUnder(target, lit); }
void copyLitLook(ui::Label& target, ui::Picture& lit) { copyUnder(target, lit); }

void Screen::lightHotspot(ui::Picture& hotspot, ui::Picture& lit) {
    if (litHotspot.get() == &hotspot) return;
    if (ui::Picture* previous = litHotspot.get()) previous->clear();
    litHotspot = &hotspot;
    copyLitLook(hotspot, lit);
    hotspot.repaint();
}

void Screen::unlightExit() {
    if (un4().exitLit != 1) return;
    un4().exitLit = 0;
    if (ui::Picture* corner = exitCorner_.get()) corner->sendToBack();
}

void Screen::endHover() {
    unlightExit();
    if (ui::Picture* previous = litHotspot.get()) {
        previous->clear();
        litHotspot = nullptr;
    }
    resetListState();
}

void Screen::endHoverOn(std::string_view widget) {
    find(widget)->onMouseMove = [this](ui::Widget&, unsigned, int, int) { endHover(); };
}

void Screen::setExitCorner(std::string_view exitHotspot, std::string_view corner) {
    auto& hotspot = get<ui::Widget>(exitHotspot);
    auto& lit = get<ui::Picture>(corner);
    exitCorner_ = &lit;
    hotspot.onMouseMove = [&hotspot, &lit](ui::Widget&, unsigned, int, int) {
        if (un4().exitLit == 1) return;
        un4().exitLit = 1;
        lit.bringToFront();
        hotspot.bringToFront();
    };
    lit.onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightExit(); };
    hotspot.onClick = [this](ui::Widget&) { exitScreen(); };
}

void Screen::openScreen(Screen& target, bool coverToFront) {
    un4().transitionCover = &cover();
    if (coverToFront) cover().bringToFront();
    un4().transitionSource = &target.background();
    if (un4().effectsOn == 1) backdrop().RunNextEffect();
    target.show();
    target.repaint();
    cover().sendToBack();
}

void Screen::exitScreen() {
    Backdrop& frm17 = backdrop();
    frm17.Timer7().setEnabled(false);
    if (frm17.Med1().mode() != 0) frm17.Med1().close();
    leaveWithEffect();
}

void Screen::leaveWithEffect(ExitLight exitLight) {
    un4().transitionCover = &cover();
    un4().transitionSource = parent_ ? &parent_->background() : nullptr;
    cover().bringToFront();
    if (un4().effectsOn == 1 && parent_) backdrop().RunNextEffect();
    release();
    if (exitLight == ExitLight::clear) un4().exitLit = 0;
}

void Screen::activateStandard() {
    repaint();
    if (traits_.animationSet != 0) {
        un4().animationTarget = &get<ui::Label>(traits_.animationTarget);
        un4().animationFrameCount = traits_.animationFrameCount;
        un4().animationSet = traits_.animationSet;
        backdrop().LoadAnimation();
        backdrop().Timer7().setEnabled(true);
    }
    resetListState();
    if (!traits_.track.empty()) {
        trackFlag() = 1;
        timer(traits_.trackTimer)->setEnabled(true);
    }
}

void Screen::showsText(std::function<std::vector<std::string>()> lines) {
    copyText = [lines = std::move(lines)] { return content::logicalText(lines()); };
}

void Screen::afterShowing(std::function<void()> step) {
    onShow = [standard = onShow, step = std::move(step)](ui::Widget& w) {
        standard(w);
        step();
    };
}

std::uint8_t& Screen::trackFlag() { return traits_.ownTrackFlag ? ownTrackFlag_ : un4().trackPending; }

// A tick does nothing while the track is started and is not to be restarted; the track's end
// wakes the program unless it has no sound.
bool Screen::trackIdle() {
    const auto& med = backdrop().Med1();
    return trackFlag() != 1 && (un4().musicOn == 0 || (med.mode() != media::stopped && !med.mayStopUnannounced()));
}

void Screen::trackTick(ui::Timer& timer) {
    auto& med = backdrop().Med1();
    if (trackFlag() == 1) {
        if (un4().musicOn != 0 && content::fileExists(traits_.track)) {
            trackFlag() = 0;
            try {
                med.setFileName(traits_.track);
                med.open();
                med.play();
            } catch (const std::exception&) {
                timer.setEnabled(false);  // a device failure leaves the screen silent, unreported
                return;
            }
        } else {
            timer.setEnabled(false);
        }
    }
    if (un4().musicOn != 0 && med.mode() == 1) med.play();
}

}  // namespace vemra::shell
