#include "menus/secondary_menus.h"

#include <array>

#include <nlohmann/json.hpp>

#include "designs/design.h"
#include "platform/ui/application.h"
#include "shell/backdrop.h"
#include "shell/navigation.h"
#include "shell/un4.h"

namespace vemra::menus {

namespace {

using shell::un4;

constexpr std::array<std::string_view, 11> secondaryMenuItems{"Lab1", "Lab2", "Lab3", "Lab4",  "Lab5", "Lab6",
                                                              "Lab7", "Lab8", "Lab9", "Lab10", "Lab11"};
constexpr std::array<std::string_view, 3> subMenuItems{"Lab1", "Lab2", "Lab3"};

// The item whose tag is 10 opens the list of titles of kind 0; every other item gives its tag.
constexpr int titleListItem = 10;

}  // namespace

ItemMenu::ItemMenu(std::string_view name, shell::ScreenTraits traits, shell::Screen& opener,
                   std::span<const std::string_view> items, bool unlightByHiding)
    : Screen(*designs::findDesign(name), std::move(traits), &opener), unlightByHiding_(unlightByHiding) {
    for (std::string_view item : items) {
        auto& row = get<ui::Label>(item);
        row.onMouseMove = [this, &row](ui::Widget&, unsigned, int, int) { lightItem(row); };
        row.onClick = [this, &row](ui::Widget&) { openItem(row); };
    }
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) {
        unlightExit();
        unlightItem();
    };
    setExitCorner();
    describeScreen = [this](nlohmann::json& screen) {
        screen["litItem"] = litItem_ ? nlohmann::json(litItem_->name()) : nlohmann::json(nullptr);
    };
}

void ItemMenu::lightItem(ui::Label& row) {
    if (litItem_.get() == &row) return;
    unlightItem();
    litItem_ = &row;
    shell::copyLitLook(row, get<ui::Picture>("Image1"));
}

void ItemMenu::unlightItem() {
    ui::Label* lit = litItem_.get();
    if (!lit) return;
    if (unlightByHiding_) {
        lit->setVisible(false);
        lit->setVisible(true);
    } else {
        lit->sendToBack();
        lit->bringToFront();
    }
    litItem_ = nullptr;
}

Tfrm33::Tfrm33(shell::Screen& mainMenu)
    : ItemMenu("frm33",
               // Of the two tracks its timer names, the one it plays: the main menu's, which this
               // menu continues and leaves playing when it goes.
               {.cover = "Label1", .trackTimer = "Timer1", .track = "data1\\01.dat", .ownTrackFlag = true}, mainMenu,
               secondaryMenuItems, false) {
    onDeactivate = nullptr;  // the track timer keeps running under the screens above
    un4().secondaryBranchOpen = 1;
}

void Tfrm33::openItem(ui::Label& row) {
    if (row.tag == titleListItem)
        un4().selectedKind = 0;
    else if (shell::navigation().targetOf(name(), row.name()) != "frm34")
        un4().selectedKind = row.tag;
    un4().transitionCover = &cover();
    if (shell::Screen* screen = shell::navigation().follow(row.name(), *this)) openScreen(*screen);
}

void Tfrm33::exitScreen() {
    un4().secondaryBranchOpen = 0;
    shell::backdrop().Timer7().setEnabled(false);
    leaveWithEffect(ExitLight::keep);
}

Tfrm34::Tfrm34(shell::Screen& secondaryMenu)
    : ItemMenu("frm34", {.animationSet = 12, .track = "data1\\08.dat"}, secondaryMenu, subMenuItems, true) {
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
}

void Tfrm34::openItem(ui::Label& row) {
    un4().selectedKind = row.tag;
    if (shell::Screen* screen = shell::navigation().follow(row.name(), *this)) openScreen(*screen, true);
}

shell::Screen* createSecondaryMenu(std::string_view name, shell::Screen& opener) {
    if (name == "frm33") return &ui::app().create<Tfrm33>(opener);
    if (name == "frm34") return &ui::app().create<Tfrm34>(opener);
    return nullptr;
}

}  // namespace vemra::menus
