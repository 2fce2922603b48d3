#pragma once

#include "text/parted_article.h"

namespace vemra::text {

// The article screen `frm19`: the article `articleIndex` picked in the list screen beneath it,
// with its title, four part buttons and a text panel that shows the chosen part seven lines at a
// time, drawn glyph by glyph. Its artwork and corner animation follow `selectedKind`.
class Tfrm19 : public PartedArticle {
public:
    explicit Tfrm19(shell::Screen& list);

    // Leaves the corner animation running and the list's track playing.
    void exitScreen() override;

private:
    void FormCreate();
    void loadSectionArtwork();
    void choosePart(ui::Picture& button) override;
    // The activation steps after the corner animation; also run by the re-activation watch.
    void resetListState() override;
};

}  // namespace vemra::text
