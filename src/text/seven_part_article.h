#pragma once

#include "text/parted_article.h"

namespace vemra::text {

// The seven-part article screen `frm20`: the article `articleIndex` of the place screen's index,
// with its title, seven part buttons and a text panel that shows the picked part seven lines at a
// time, drawn glyph by glyph. It plays its own track and leaves it playing when it exits.
class Tfrm20 : public PartedArticle {
public:
    explicit Tfrm20(shell::Screen& placeScreen);

    void exitScreen() override;

private:
    void FormShow();
    void choosePart(ui::Picture& button) override;
    // The activation steps after the corner animation; also run by the re-activation watch.
    void resetListState() override;
};

}  // namespace vemra::text
