#pragma once

#include <array>
#include <string_view>

#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "shell/screen.h"

namespace vemra::names {

// The names, one a line.
inline constexpr std::string_view namesFile = "data2\\qem0040.dat";

// The names screen `frm32`, above all other windows: the names of `namesFile` roll
// upward through a black panel in six recycled rows, 2 pixels every 50 ms, while a long picture
// strip moves one pixel to the right every 50 ms in the window `pan` above them.
class Tfrm32 : public shell::Screen {
public:
    static constexpr int rowCount = 6;
    static constexpr int stripWidth = 4264;

    explicit Tfrm32(shell::Screen& opener);
    void exitScreen() override;

private:
    void FormCreate();
    void FormActivate();
    void rollNames();
    void moveStrip(ui::Timer& timer);
    // The caption for line `index` of the names: past the end of a list of eight or more it is
    // never asked for; a shorter list rolls round with one empty row after its last name.
    std::string nameAt(int index) const;
    int wrapAt() const;

    ui::ListBox& ls1_;
    ui::Label& pan_;
    std::array<ui::Label*, rowCount> nameRows_{};
    int namesTop_ = 0;
    int namesEnd_ = 0;
    int stripPos_ = 0;
};

}  // namespace vemra::names
