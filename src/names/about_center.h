#pragma once

#include "shell/screen.h"

namespace vemra::names {

// The "about the center" screen `Frm14`: a background with the names button, which lights under
// the mouse and opens the names screen, and the exit corner; its own music, no corner animation.
class TFrm14 : public shell::Screen {
public:
    explicit TFrm14(shell::Screen& opener);
    void exitScreen() override;

private:
    void openNames();
    void unlightAll();

    std::uint8_t namesLit_ = 0;
    std::uint8_t exitLit_ = 0;
};

// Creates `Frm14` or the names screen `frm32` above `opener`, or returns null for other names.
shell::Screen* createNamesScreen(std::string_view name, shell::Screen& opener);

}  // namespace vemra::names
