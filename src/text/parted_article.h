#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "content/whole_text_file.h"
#include "parts/arrow_repeat.h"
#include "parts/glyph_text_rows.h"
#include "parts/pressed_button.h"
#include "parts/reactivation_watch.h"
#include "parts/text_pool.h"
#include "platform/gfx/glyph_line.h"
#include "shell/screen.h"
#include "text/text_sources.h"

namespace vemra::text {

// The components a parted article screen names for the pieces they share.
struct PartedArticleLayout {
    const ArticleSource& source;
    std::string_view partButton;  // the part buttons are this name followed by 1, 2, …
    std::string_view textArea, textBackground;
    parts::TextRowsLayout rows;
    std::string_view upArrow, upLit, downArrow, downLit;
    std::string_view exitCorner, exitLook;
};

// What the article screens of parts share, `frm19` (four parts) and `frm20` (seven): part buttons
// that choose the part the text panel shows, glyph rows with line arrows that repeat, the panel
// hidden by a click on the background, the re-activation watch on `T1`, and their state.
class PartedArticle : public shell::Screen {
protected:
    PartedArticle(std::string_view name, shell::ScreenTraits traits, shell::Screen& opener,
                  const PartedArticleLayout& layout);

    // The part ranges of article `article` in `partIndex`; a part too short to be picked disables
    // its button.
    void readParts(const content::WholeTextFile& partIndex, int article);
    // The lines of part `part` (counted from 0) of the article.
    std::vector<std::string> partLines(std::size_t part) const;
    // The steps the watch runs again: it waits for the next switch away, and the rows are drawn.
    void activateText();
    virtual void choosePart(ui::Picture& button) = 0;

    const gfx::ZeroAdvanceCodes zeroAdvanceCodes_ = gfx::standardZeroAdvanceCodes();
    std::string articleText_;
    std::vector<parts::TextRange> parts_;
    parts::PressedButton pressedButton_;
    parts::GlyphTextRows textRows_;
    parts::ArrowRepeat repeat_;
    parts::ReactivationWatch watch_;

private:
    ui::Picture& partButton(std::size_t index);

    const ArticleSource& source_;
    std::string partButtonName_;
};

}  // namespace vemra::text
