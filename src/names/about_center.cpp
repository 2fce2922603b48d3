#include "names/about_center.h"

#include "shell/navigation.h"

#include <nlohmann/json.hpp>

#include "names/names_screen.h"
#include "platform/ui/application.h"

namespace vemra::names {

TFrm14::TFrm14(shell::Screen& opener)
    : Screen(*designs::findDesign("Frm14"),
             {.cover = "Label1", .background = "Image1", .trackTimer = "Tr1", .track = "data1\\12.dat"}, &opener) {
    auto& namesButton = get<ui::Picture>("Image3");
    auto& exitCorner = get<ui::Picture>("m2");
    get<ui::Label>("Label2").onMouseMove = [this, &namesButton](ui::Widget&, unsigned, int, int) {
        if (namesLit_ == 1) return;
        namesButton.bringToFront();
        namesLit_ = 1;
    };
    get<ui::Label>("l1").onMouseMove = [this, &exitCorner](ui::Widget&, unsigned, int, int) {
        if (exitLit_ == 1) return;
        exitCorner.bringToFront();
        exitLit_ = 1;
    };
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) { unlightAll(); };
    namesButton.onClick = [this](ui::Widget&) { openNames(); };
    exitCorner.onClick = [this](ui::Widget&) { exitScreen(); };
    describeScreen = [this](nlohmann::json& screen) {
        screen["namesLit"] = namesLit_;
        screen["exitLit"] = exitLit_;
    };
}

void TFrm14::unlightAll() {
    if (namesLit_ == 1) get<ui::Picture>("Image3").sendToBack();
    if (exitLit_ == 1) get<ui::Picture>("m2").sendToBack();
    namesLit_ = exitLit_ = 0;
}

void TFrm14::openNames() {
    if (shell::Screen* names = shell::navigation().create("frm32", *this)) openScreen(*names, true);
    get<ui::Picture>("Image3").sendToBack();
    namesLit_ = 0;
}

void TFrm14::exitScreen() {
    get<ui::Picture>("m2").setVisible(false);
    Screen::exitScreen();
}

shell::Screen* createNamesScreen(std::string_view name, shell::Screen& opener) {
    if (name == "Frm14") return &ui::app().create<TFrm14>(opener);
    if (name == "frm32") return &ui::app().create<Tfrm32>(opener);
    return nullptr;
}

}  // namespace vemra::names
