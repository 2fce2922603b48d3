#include "media/media_screens.h"

#include "media/gallery_screen.h"
#include "media/player_screen.h"

namespace vemra::media_screens {

shell::Screen* createMediaScreen(std::string_view name, shell::Screen& opener) {
    if (shell::Screen* s = createPlayer(name, opener)) return s;
    return createGallery(name, opener);
}

}  // namespace vemra::media_screens
