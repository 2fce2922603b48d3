#include "menus/navigation.h"

#include "media/media_screens.h"
#include "media/picture_branch.h"
#include "menus/section_menus.h"
#include "names/about_center.h"
#include "platform/ui/application.h"
#include "platform/ui/trace.h"
#include "text/text_screens.h"

namespace vemra::menus {

shell::Screen* createScreen(std::string_view name, shell::Screen& opener) {
    if (shell::Screen* s = createSectionMenu(name, opener)) return s;
    if (shell::Screen* s = text::createTextScreen(name, opener, createScreen)) return s;
    if (shell::Screen* s = media::createPictureBranchScreen(name, opener)) return s;
    if (shell::Screen* s = media_screens::createMediaScreen(name, opener)) return s;
    if (name == "Frm14") return &ui::app().create<names::TFrm14>(opener);
    ui::trace("screen not built yet", name);
    return nullptr;
}

}  // namespace vemra::menus
