#include "media/picture_branch.h"

#include "media/album_screen.h"
#include "media/clip_screen.h"
#include "platform/ui/application.h"

namespace vemra::media {

shell::Screen* createPictureBranchScreen(std::string_view name, shell::Screen& opener) {
    if (name == "frm30") return &ui::app().create<Tfrm30>(opener);
    if (name == "frm31") return &ui::app().create<Tfrm31>(opener);
    return nullptr;
}

}  // namespace vemra::media
