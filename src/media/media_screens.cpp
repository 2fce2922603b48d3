#include "media/media_screens.h"

#include "media/player_screen.h"

namespace vemra::media_screens {

shell::Screen* createMediaScreen(std::string_view name, shell::Screen& opener) {
    return createPlayer(name, opener);
}

}  // namespace vemra::media_screens
