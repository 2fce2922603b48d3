#include "shell/un4.h"

#include "platform/ui/application.h"

namespace vemra::shell {

Un4& un4() {
    static Un4 shared;
    return shared;
}

void CenterScreen() {
    ui::Window* screen = un4().currentScreen.get();
    if (!screen) return;
    screen->caption = "VEMRA";
    screen->setWindowState(ui::WindowState::normal);
    screen->setClientSize(640, 480);
    const gfx::Size display = ui::app().displaySize();
    screen->setPosition((display.width - screen->clientWidth()) / 2, (display.height - screen->clientHeight()) / 2);
}

}  // namespace vemra::shell
