#include "text/text_screens.h"

#include "platform/ui/application.h"
#include "text/article_list.h"
#include "text/place_index_screen.h"
#include "text/title_text_screen.h"

namespace vemra::text {

shell::Screen* createTextScreen(std::string_view name, shell::Screen& opener, const shell::ScreenMaker& otherScreens) {
    if (name == "frm18") return &ui::app().create<Tfrm18>(opener);
    if (name == "frm5") return &ui::app().create<Tfrm5>(opener, otherScreens);
    return createArticleList(name, opener);
}

}  // namespace vemra::text
