#include "text/text_screens.h"

#include "platform/ui/application.h"
#include "text/article_list.h"
#include "text/title_text_screen.h"

namespace vemra::text {

shell::Screen* createTextScreen(std::string_view name, shell::Screen& opener) {
    if (name == "frm18") return &ui::app().create<Tfrm18>(opener);
    return createArticleList(name, opener);
}

}  // namespace vemra::text
