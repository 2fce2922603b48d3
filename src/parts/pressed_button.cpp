#include "parts/pressed_button.h"

#include "shell/screen.h"

namespace vemra::parts {

void PressedButton::press(ui::Picture& button, ui::Picture& lit) {
    if (pressed_.get() == &button) return;
    if (ui::Picture* previous = pressed_.get()) previous->clear();
    pressed_ = &button;
    shell::copyLitLook(button, lit);
    button.repaint();
}

}  // namespace vemra::parts
