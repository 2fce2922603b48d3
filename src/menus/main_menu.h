#pragma once

#include <cstdint>

#include "platform/ui/ref.h"
#include "shell/screen.h"

namespace vemra::menus {

// The main menu `frm1`: six section hotspots, "about the center", the secondary branch, "About
// the Program", the music and transition effect switches, and the exit of the program. Its
// creation loads the three lists that the article screens share.
class Tfrm1 : public shell::Screen {
public:
    Tfrm1();

    void exitScreen() override;

private:
    void FormCreate();
    void sectionClick(ui::Widget& hotspot);
    void musicSwitchClick();
    void effectsSwitchClick();
    // Shows or clears the lit look of a switch picture, copied from `Image6`.
    void setSwitchLook(std::string_view picture, std::uint8_t& lit);

    std::uint8_t musicSwitchLit_ = 0;
    std::uint8_t effectsSwitchLit_ = 0;
};

ui::Ref<Tfrm1>& frm1();

}  // namespace vemra::menus
