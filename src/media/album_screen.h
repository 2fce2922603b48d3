#pragma once

#include <string_view>
#include <vector>

#include "content/whole_text_file.h"
#include "media/entry_rows.h"
#include "shell/screen.h"

namespace vemra::media {

// The titles of the album entries, one a line.
inline constexpr std::string_view albumTitlesFile = "data2\\qem0037.dat";

// The picture album `frm30`: five rows of album entries; choosing one shows its pictures one at a
// time, centred in the picture area and revealed by a transition effect, with previous, next and
// a slideshow of one picture every three seconds. The pictures are JPEG files in the picture
// library module; one that cannot be read leaves the area as it was.
class Tfrm30 : public shell::Screen {
public:
    explicit Tfrm30(shell::Screen& placeScreen);

    void exitScreen() override;

private:
    void FormShow();
    void chooseEntry(ui::Label& row);
    void showPicture();
    void previous();
    void next();
    void toggleSlideshow();
    void stopSlideshow();
    void slideshowStep();
    void resetListState() override;
    // The pressed look of the previous and next buttons while a mouse button is down on them.
    void addPressedLook(ui::Picture& button);

    EntryRows rows_;
    content::WholeTextFile ranges_{"data2\\qem0039.dat", {}};
    content::WholeTextFile pictureEntries_{"data2\\qem0038.dat", {}};
    std::vector<int> albumPictures_;  // `albumPictures`, position p at index p - 1
    int albumPos_ = 0;
    int currentPicture_ = 0;
    bool slideshowOn_ = false;
};

}  // namespace vemra::media
