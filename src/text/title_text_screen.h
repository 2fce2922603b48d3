#pragma once

#include <string>

#include "content/whole_text_file.h"
#include "parts/arrow_repeat.h"
#include "parts/glyph_text_rows.h"
#include "parts/reactivation_watch.h"
#include "shell/redraw_after_opening.h"
#include "shell/screen.h"
#include "text/text_sources.h"
#include "text/title_list.h"

namespace vemra::text {

// The title and text reading screen `frm18`: eight title rows drawn glyph by glyph on the right;
// a click marks a title red and shows its text on the left, eight lines at a time in white over a
// black shadow. Both lists scroll by line with auto-repeat. When its content files cannot be read,
// the screen shows no titles and offers only its way back.
class Tfrm18 : public shell::Screen {
public:
    explicit Tfrm18(shell::Screen& mainMenu);

    void exitScreen() override;

private:
    void FormShow();
    void markEntry(ui::Label& row);
    void drawTitle(ui::Label& row, const std::string& title);
    void drawRows();
    // The activation steps after the corner animation; also run by the re-activation watch.
    void resetListState() override;

    parts::ArrowRepeat repeat_;
    TitleList titles_;
    parts::GlyphTextRows textRows_;
    parts::ReactivationWatch watch_;
    shell::RedrawAfterOpening redrawAfterOpening_;
    content::WholeTextFile textIndex_{std::string(readingIndexFile), {}};
    content::WholeTextFile texts_{std::string(readingPoolFile), {}};
};

}  // namespace vemra::text
