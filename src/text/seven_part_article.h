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

// The seven-part article screen `frm20`: the article `articleIndex` of the place screen's index,
// with its title, seven part buttons and a text panel that shows the picked part seven lines at a
// time, drawn glyph by glyph. It plays its own track and leaves it playing when it exits.
class Tfrm20 : public shell::Screen {
public:
    explicit Tfrm20(shell::Screen& placeScreen);

    void exitScreen() override;

private:
    void FormShow();
    void pickPart(ui::Picture& button);
    // The activation steps after the corner animation; also run by the re-activation watch.
    void resetListState() override;

    const gfx::ZeroAdvanceCodes zeroAdvanceCodes_ = gfx::standardZeroAdvanceCodes();
    std::string articleText_;
    std::array<TextRange, 7> parts_{};
    PressedButton pressedButton_;
    GlyphTextRows textRows_;
    ArrowRepeat repeat_;
    ReactivationWatch watch_;
};

}  // namespace vemra::text
