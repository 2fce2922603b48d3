#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "content/whole_text_file.h"
#include "media/time_labels.h"
#include "parts/arrow_repeat.h"
#include "parts/full_title_overlay.h"
#include "parts/list_rows.h"
#include "platform/media/media_device.h"
#include "platform/ui/panel.h"
#include "platform/ui/scroll_bar.h"
#include "shell/screen.h"

namespace vemra::media_screens {

// What tells the three galleries apart.
struct GalleryMember {
    std::string_view name;
    int sectionRecord;  // its record in the gallery sections, counted from 1
    int animationSet;
    const char* track;
};

std::span<const GalleryMember> galleryMembers();

// The picture galleries `frm27`, `frm28` and `frm29`: the pictures of one section in five rows; a
// click shows the picture and lists its sounds in five more rows; a click on a sound plays it on the
// shared device with a small panel (play, pause, a position bar, length and elapsed time). While no
// sound is open the screen's own music plays through the same panel logic, in a loop. One design,
// told apart by a table of members.
class GalleryScreen : public shell::Screen {
public:
    GalleryScreen(const GalleryMember& member, shell::Screen& opener);

    void exitScreen() override;

private:
    void FormShow();
    void Activate();
    void choosePicture(ui::Label& row);
    void chooseSound(ui::Label& row);
    void closePanel();
    void playClick();
    void pauseClick();
    void movePosition(int position);
    void panelTick();
    void setSteps(std::int32_t length);
    void pressLook(ui::Picture& button);
    void hideFullTitle();
    void resetListState() override;
    void describeState(nlohmann::json& screen) const;

    media::MediaDevice& med();

    const GalleryMember& member_;
    int soundTop_ = 0;
    parts::ListRows pictures_, sounds_;
    parts::FullTitleOverlay overlay_;
    parts::ArrowRepeat repeat_;
    ui::Panel& panel_;
    ui::ScrollBar& position_;
    ui::Timer& tr1_;
    TimeLabels length_, elapsed_;
    content::WholeTextFile pictureSounds_{"data2\\qem0030.dat", {}};
    content::WholeTextFile soundEntries_{"data2\\qem0029.dat", {}};
    std::optional<std::string> pictureFile_;
    bool trackOpen_ = false;
    // Shared by the three galleries.
    static inline bool clipPaused_ = false;
    static inline bool loopWatch_ = false;
};

// Creates the gallery `name` above `opener`, or returns null when `name` is none of them.
shell::Screen* createGallery(std::string_view name, shell::Screen& opener);

}  // namespace vemra::media_screens
