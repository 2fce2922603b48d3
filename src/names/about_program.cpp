#include "names/about_program.h"

#include "designs/building_blocks.h"
#include "designs/design.h"
#include "platform/ui/application.h"
#include "platform/ui/picture.h"
#include "shell/artwork.h"

namespace vemra::names {

Tfrm15::Tfrm15() : ui::Window("frm15", "Tfrm15") {
    shell::buildFromDesign(*this, *designs::findDesign("frm15"), shell::artSource());
    cursor = designs::hotspotCursor;
    const gfx::Size display = ui::app().displaySize();
    setPosition((display.width - clientWidth()) / 2, (display.height - clientHeight()) / 2);
    shell::component<ui::Picture>(*this, "m1").onClick = [this](ui::Widget&) { close(); };
    onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::escape) close();
    };
    onClose = [](ui::Window&, ui::CloseAction& action) { action = ui::CloseAction::free; };
}

void showAboutProgram() { ui::app().create<Tfrm15>().showModal(); }

}  // namespace vemra::names
