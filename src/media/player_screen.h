#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "content/whole_text_file.h"
#include "media/narration_index.h"
#include "media/page_panel.h"
#include "media/time_labels.h"
#include "parts/reactivation_watch.h"
#include "platform/media/media_device.h"
#include "shell/redraw_after_opening.h"
#include "shell/screen.h"

namespace vemra::media_screens {

struct PlayerTraits;
struct PlayerVariant;
struct ContentsRows;

// The narration players `frm2` (a contents list beside the page) and `frm8` (a title instead):
// the narration plays on the shared device while the panel shows the page being spoken, drawn
// glyph by glyph; the transport jumps by page, by ten seconds and to either end. One
// implementation, told apart by a table of their differences and of their variants.
class PlayerScreen : public shell::Screen {
public:
    PlayerScreen(const PlayerTraits& traits, shell::Screen& opener);
    ~PlayerScreen() override;

    // The transport pictures, the same in both players.
    enum class Transport { pause, play, tenBack, tenNext, first, last, pageDown, pageUp };

    // How a jump leaves the device after setting its start point.
    enum class Resume {
        standard,         // play if it was playing, else play and pause at once; then play if stopped
        noPlayIfStopped,  // the same without the last step
        playIfStopped,    // play if it was playing or is stopped, else play and pause at once
        onlyIfPlaying,    // play if it was playing; else the device stays as it is until the next play
    };

private:
    void FormCreate();
    void loadTexts();
    void openNarration();
    void FormShow();
    void Activate();
    void Follow();
    void loadPage();
    void drawPage();
    void updateToPage(int page);
    void transport(Transport operation);
    // Pauses a playing device, sets its start point to `target`, shows page `pageAfter` (none when
    // negative) and resumes as `resume` says.
    void jump(std::int32_t target, Resume resume, int pageAfter = -1);
    void resume(Resume how);
    void jumpToEntry(ui::Label& row);
    void pressLook(ui::Picture& button, ui::MouseButton mouse, bool down);
    std::int32_t pageStart(int page) const;
    void describeState(nlohmann::json& screen) const;

    media::MediaDevice& med();

    const PlayerTraits& player_;
    const PlayerVariant& variant_;
    const gfx::ZeroAdvanceCodes zeroAdvanceCodes_ = gfx::standardZeroAdvanceCodes();
    PagePanel panel_;
    TimeLabels elapsed_, length_;
    std::unique_ptr<ContentsRows> contents_;
    parts::ReactivationWatch watch_;
    shell::RedrawAfterOpening redrawAfterOpening_;

    content::WholeTextFile pageText_{"", {}};
    content::WholeTextFile contentsText_{"", {}};
    std::vector<PageRecord> pages_;
    std::vector<std::int32_t> pageStarts_;
    std::vector<ContentsRecord> entries_;
    std::vector<std::int32_t> contentsStarts_;
    int lastPage_ = 0;
    int currentPage_ = 0;
    std::vector<std::string> pageLines_;
    bool wasPlaying_ = false;
    int openFailed_ = 0;
    ui::Ref<ui::Picture> pressed_;
};

// Creates the player `name` above `opener`, or returns null when `name` is neither.
shell::Screen* createPlayer(std::string_view name, shell::Screen& opener);

}  // namespace vemra::media_screens
