#include "menus/main_menu.h"

#include <nlohmann/json.hpp>

#include "content/content_source.h"
#include "content/text_readers.h"
#include "designs/design.h"
#include "platform/ui/application.h"
#include "shell/backdrop.h"
#include "shell/navigation.h"
#include "shell/un4.h"

namespace vemra::menus {

namespace {

using shell::un4;

constexpr const char* track = "data1\\01.dat";

struct SectionHotspot {
    std::string_view hotspot;
    std::string_view lit;
};

constexpr SectionHotspot sections[] = {
    {"m3", "Image1"}, {"m6", "Image1"}, {"m5", "Image1"}, {"m4", "Image1"},
    {"m7", "Image1"}, {"m8", "Image1"}, {"Image2", "Image1"}, {"m10", "Image6"},
};

}  // namespace

ui::Ref<Tfrm1>& frm1() {
    static ui::Ref<Tfrm1> instance;
    return instance;
}

Tfrm1::Tfrm1()
    : Screen(*designs::findDesign("frm1"),
             {.cover = "Label1",
              .animationTarget = "Label3",
              .animationFrameCount = 5,
              .animationSet = 1,
              .trackTimer = "Timer1",
              .track = track,
              .ownTrackFlag = true},
             nullptr) {
    frm1() = this;
    onDeactivate = nullptr;  // the track timer keeps running under the screens above
    onKeyDown = nullptr;     // Escape does nothing here
    for (const auto& s : sections) {
        addHotspot(s.hotspot, s.lit);
        get<ui::Picture>(s.hotspot).onClick = [this](ui::Widget& w) { sectionClick(w); };
    }
    endHoverOn("m1");
    setExitCorner();
    get<ui::Label>("Label3").onClick = [this](ui::Widget&) { shell::navigation().openModal("frm15", *this); };
    get<ui::Picture>("Image4").onClick = [this](ui::Widget&) { musicSwitchClick(); };
    get<ui::Picture>("Image5").onClick = [this](ui::Widget&) { effectsSwitchClick(); };
    describeScreen = [this](nlohmann::json& screen) {
        screen["litHotspot"] = litHotspot ? nlohmann::json(litHotspot->name()) : nlohmann::json(nullptr);
        screen["musicSwitchLit"] = musicSwitchLit_;
        screen["effectsSwitchLit"] = effectsSwitchLit_;
    };
    ui::app().handle([this] { FormCreate(); });
}

void Tfrm1::FormCreate() {
    un4().musicOn = 1;
    get<ui::Picture>("Image4").clear();
    get<ui::Picture>("Image5").clear();
    un4().effectsOn = 1;
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    litHotspot = nullptr;
    un4().titleLines.clear();
    un4().sectionRanges.clear();
    un4().entryNumbers.clear();
    un4().titleLines = content::loadLines("data2\\qem0024.dat");
    un4().sectionRanges = content::loadLines("data2\\qem0001.dat");
    un4().entryNumbers = content::loadLines("data2\\qem0002.dat");
}

void Tfrm1::sectionClick(ui::Widget& hotspot) {
    shell::Screen* screen = shell::navigation().follow(hotspot.name(), *this);
    if (!screen) return;
    if (hotspot.name() == "m5" || hotspot.name() == "m10") get<ui::Picture>("m5").clear();
    un4().transitionCover = &cover();
    cover().bringToFront();
    un4().transitionSource = &screen->background();
    if (un4().effectsOn == 1) shell::backdrop().RunNextEffect();
    screen->show();
    if (hotspot.name() != "m10") screen->repaint();
    cover().sendToBack();
}

void Tfrm1::setSwitchLook(std::string_view picture, std::uint8_t& lit) {
    auto& image = get<ui::Picture>(picture);
    if (lit == 1) {
        lit = 0;
        image.clear();
        return;
    }
    lit = 1;
    shell::copyLitLook(image, get<ui::Picture>("Image6"));
    image.repaint();
}

void Tfrm1::musicSwitchClick() {
    un4().musicOn ^= 1;
    setSwitchLook("Image4", musicSwitchLit_);
    ui::Timer& timer1 = *timer("Timer1");
    auto& med = shell::backdrop().Med1();
    if (un4().musicOn != 0) {
        if (content::fileExists(track)) {
            med.setFileName(track);
            med.open();
            med.play();
            timer1.setEnabled(true);
        } else {
            timer1.setEnabled(false);
        }
    } else {
        timer1.setEnabled(false);
        med.close();
    }
}

void Tfrm1::effectsSwitchClick() {
    un4().effectsOn ^= 1;
    setSwitchLook("Image5", effectsSwitchLit_);
}

void Tfrm1::exitScreen() {
    shell::backdrop().Timer7().setEnabled(false);
    un4().transitionCover = &cover();
    cover().bringToFront();
    un4().transitionSource = &get<ui::Picture>("Image3");
    shell::backdrop().ExitEffect();
    release();
    ui::app().terminate();
}

}  // namespace vemra::menus
