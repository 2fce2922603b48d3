#pragma once

#include <string_view>

#include "media/entry_rows.h"
#include "platform/media/media_device.h"
#include "shell/screen.h"

namespace vemra::media {

// The titles of the clips, one a line.
inline constexpr std::string_view clipTitlesFile = "data2\\qem0045.dat";

// The video clip screen `frm31`: five rows of clip titles; a click plays the clip on the screen's
// own device in the region `Panv` while the section music goes on on the shared device, with a
// pause and a play button. The exit stops both.
class Tfrm31 : public shell::Screen {
public:
    explicit Tfrm31(shell::Screen& placeScreen);

    void exitScreen() override;

private:
    void playClip(ui::Label& row);
    void pauseClip();
    void resumeClip();
    void resetListState() override;
    // The pressed look of the pause and play buttons while a mouse button is down on them.
    void addPressedLook(ui::Picture& button);

    EntryRows rows_;
    MediaDevice med1_;
};

// "data5\" and the clip number with two digits at least, ".mpg".
std::string clipFile(int clip);

}  // namespace vemra::media
