#pragma once

#include <span>
#include <string_view>

#include "platform/ui/label.h"
#include "platform/ui/ref.h"
#include "shell/screen.h"

namespace vemra::menus {

// A menu of item rows: transparent labels lit from the hidden `Image1` when the mouse moves over
// them, one at a time; moving over the background ends the hover, and a click opens the row's
// screen as the navigation map says.
class ItemMenu : public shell::Screen {
protected:
    // `unlightByHiding`: a row loses its light by being hidden and shown again instead of being
    // sent to the back and brought to the front.
    ItemMenu(std::string_view name, shell::ScreenTraits traits, shell::Screen& opener,
             std::span<const std::string_view> items, bool unlightByHiding);

    virtual void openItem(ui::Label& row) = 0;

private:
    void lightItem(ui::Label& row);
    void unlightItem();

    bool unlightByHiding_;
    ui::Ref<ui::Label> litItem_;
};

// The secondary menu `frm33`: while it exists every corner animation comes from the second
// animation module. Its exit leaves the shared device and the exit light as they are.
class Tfrm33 : public ItemMenu {
public:
    explicit Tfrm33(shell::Screen& mainMenu);
    void exitScreen() override;

private:
    void openItem(ui::Label& row) override;
};

// The sub-menu `frm34` of the secondary menu, with three item rows.
class Tfrm34 : public ItemMenu {
public:
    explicit Tfrm34(shell::Screen& secondaryMenu);

private:
    void openItem(ui::Label& row) override;
};

// Creates `frm33` or `frm34` above `opener`, or returns null for other names.
shell::Screen* createSecondaryMenu(std::string_view name, shell::Screen& opener);

}  // namespace vemra::menus
