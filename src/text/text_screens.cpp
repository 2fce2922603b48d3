#include "text/text_screens.h"

#include "platform/ui/application.h"
#include "text/article_list.h"
#include "text/article_screen.h"
#include "text/place_index_screen.h"
#include "text/secondary_text_screens.h"
#include "text/seven_part_article.h"
#include "text/title_text_screen.h"

namespace vemra::text {

shell::Screen* createTextScreen(std::string_view name, shell::Screen& opener) {
    if (name == "frm18") return &ui::app().create<Tfrm18>(opener);
    if (name == "frm5") return &ui::app().create<Tfrm5>(opener);
    if (name == "frm19") return &ui::app().create<Tfrm19>(opener);
    if (name == "frm20") return &ui::app().create<Tfrm20>(opener);
    if (shell::Screen* s = createSecondaryTextScreen(name, opener)) return s;
    return createArticleList(name, opener);
}

}  // namespace vemra::text
