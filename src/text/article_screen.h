#pragma once

#include <array>
#include <string>

#include "platform/gfx/glyph_line.h"
#include "shell/screen.h"
#include "text/arrow_repeat.h"
#include "text/glyph_text_rows.h"
#include "text/pressed_button.h"
#include "text/reactivation_watch.h"
#include "text/text_pool.h"

namespace vemra::text {

// The article screen `frm19`: the article `articleIndex` picked in the list screen beneath it,
// with its title, four part buttons and a text panel that shows the chosen part seven lines at a
// time, drawn glyph by glyph. Its artwork and corner animation follow `selectedKind`.
class Tfrm19 : public shell::Screen {
public:
    explicit Tfrm19(shell::Screen& list);

    // Leaves the corner animation running and the list's track playing.
    void exitScreen() override;

private:
    void FormCreate();
    void loadSectionArtwork();
    void choosePart(ui::Picture& button);
    // The activation steps after the corner animation; also run by the re-activation watch.
    void resetListState() override;

    const gfx::ZeroAdvanceCodes zeroAdvanceCodes_ = gfx::standardZeroAdvanceCodes();
    std::string articleText_;
    std::array<TextRange, 4> parts_{};
    PressedButton pressedButton_;
    GlyphTextRows textRows_;
    ArrowRepeat repeat_;
    ReactivationWatch watch_;
};

}  // namespace vemra::text
