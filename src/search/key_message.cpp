#include "search/key_message.h"

#include "designs/design.h"
#include "platform/ui/application.h"
#include "search/below_centre.h"
#include "shell/artwork.h"

namespace vemra::search {

TFrm37::TFrm37() : ui::Window("Frm37", "TFrm37") {
    shell::buildFromDesign(*this, *designs::findDesign("Frm37"), shell::artSource());
    caption = "VEMRA";
    setWindowState(ui::WindowState::normal);
    placeBelowCentre(*this);
    onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::escape) close();
    };
    onClose = [](ui::Window&, ui::CloseAction& action) { action = ui::CloseAction::free; };
}

void showKeyMessage() { ui::app().create<TFrm37>().showModal(); }

}  // namespace vemra::search
