#pragma once

#include <string_view>

#include "parts/arrow_repeat.h"
#include "parts/full_title_overlay.h"
#include "parts/glyph_text_rows.h"
#include "parts/reactivation_watch.h"
#include "shell/redraw_after_opening.h"
#include "shell/screen.h"
#include "text/title_list.h"

namespace vemra::text {

// What the two reading screens of the secondary menus share: a text drawn left to right, glyph by
// glyph, ten rows of 25 pixels at a time, with line arrows that repeat, the re-activation watch
// and the exit corner `m6`. `selectedKind` chooses the text, the artwork, the track and the corner
// animation.
class SecondaryTextScreen : public shell::Screen {
protected:
    SecondaryTextScreen(std::string_view name, shell::ScreenTraits traits, shell::Screen& opener,
                        std::string_view stripSource, int lineStart);

    // Bitmaps of the picture module "data3\qem007.dat" put into the screen's pictures.
    void loadArtwork(std::initializer_list<std::pair<std::string_view, std::string>> pictures);
    void showText(const std::string& path);
    // Activation, run again by the re-activation watch.
    virtual void FormActivate() { activateStandard(); }
    virtual void drawRows();
    void resetListState() override;

    parts::GlyphTextRows textRows_;
    parts::ArrowRepeat repeat_;
    parts::ReactivationWatch watch_;
    shell::RedrawAfterOpening redrawAfterOpening_;
};

// `frm36`: one text of the kind chosen on the secondary menu or its sub-menu.
class Tfrm36 : public SecondaryTextScreen {
public:
    explicit Tfrm36(shell::Screen& menu);
};

// `frm35`: eight title rows; a click marks a title white and shows its text on a panel beside the
// list. A title wider than its row is shown whole on a grey box from the row's left edge.
class Tfrm35 : public SecondaryTextScreen {
public:
    explicit Tfrm35(shell::Screen& menu);

private:
    void FormShow();
    void FormActivate() override;
    void drawRows() override;
    void markEntry(ui::Label& row);
    void showFullTitle(ui::Label& row);
    void hideFullTitle();
    // Repaints the text area and draws the text over it again, without restoring strips.
    void redrawTextInPlace();
    void hidePanel();
    std::string textPath(int entry) const;

    TitleList titles_;
    parts::FullTitleOverlay overlay_;
};

// Creates `frm35` or `frm36` above `opener`, or returns null for other names.
shell::Screen* createSecondaryTextScreen(std::string_view name, shell::Screen& opener);

}  // namespace vemra::text
