#pragma once

#include <vector>

#include "content/whole_text_file.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/ref.h"
#include "shell/screen.h"

namespace vemra::text {

// The place screen `frm5`, opened from the main menu: 21 places on its picture light up when
// clicked and show their text in a text box; a button shows and hides the index of the section's
// seven-part articles, whose double click opens the article; two buttons open the picture album
// and the video clips. Its music goes on under the screens it opens.
class Tfrm5 : public shell::Screen {
public:
    explicit Tfrm5(shell::Screen& mainMenu);

    // Leaves the music playing for the main menu to replace.
    void exitScreen() override;

private:
    void FormCreate();
    void buildIndex();
    void drawIndexItem(ui::ListBox& list, int index, gfx::Canvas& canvas, gfx::Rect rect);
    void showPlaceText(ui::Label& place);
    void toggleIndex();
    void closeAll();
    void hideIndex();
    void parkPlaceText();
    // Repaints the lit place unlit and forgets it.
    void unlightPlace();
    void openArticle();
    void openBranch(ui::Picture& button, std::string_view screen);

    content::WholeTextFile placeRecords_{"data2\\qem0013.dat", {}};
    std::vector<int> lineArticle_;
    ui::Ref<ui::Label> pressedPlace_;
};

}  // namespace vemra::text
