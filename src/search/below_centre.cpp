#include "search/below_centre.h"

#include "platform/ui/application.h"

namespace vemra::search {

void placeBelowCentre(ui::Window& window) {
    const gfx::Size display = ui::app().displaySize();
    window.setPosition((display.width - window.clientWidth()) / 2,
                       (display.height + 220 - window.clientHeight()) / 2);
}

}  // namespace vemra::search
