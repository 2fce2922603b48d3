#include "title/navigation.h"

#include "media/media_screens.h"
#include "media/picture_branch.h"
#include "menus/secondary_menus.h"
#include "menus/section_menus.h"
#include "names/about_center.h"
#include "names/about_program.h"
#include "search/key_message.h"
#include "search/search_window.h"
#include "shell/navigation.h"
#include "text/text_screens.h"
#include "title/navigation_map.h"

namespace vemra::title {

void registerNavigation() {
    shell::Navigation& nav = shell::navigation();
    nav = shell::Navigation{};
    nav.setLinks(navigationMap());
    nav.addScreens(menus::createSectionMenu);
    nav.addScreens(menus::createSecondaryMenu);
    nav.addScreens(text::createTextScreen);
    nav.addScreens(media::createPictureBranchScreen);
    nav.addScreens(media_screens::createMediaScreen);
    nav.addScreens(names::createNamesScreen);
    nav.addModal("frm15", names::showAboutProgram);
    nav.addModal("sear", search::openSearchWindow);
    nav.addModal("Frm37", search::showKeyMessage);
}

}  // namespace vemra::title
