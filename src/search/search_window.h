#pragma once

#include "content/input_method.h"
#include "content/keyboard_tables.h"
#include "platform/ui/edit.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/window.h"

namespace vemra::search {

// The search window `sear`: a Persian word typed with the input method into `me1`, found in the
// opener's lines (`searchLines`) from the first title (`rad1`) or after the top row (`rad2`); a
// hit moves the opener's `listTop` and refreshes its rows, and the window stays open.
class Tsear : public ui::Window {
public:
    Tsear();

private:
    void FormCreate();
    void runFind();
    // The text box hands every key to the input method and then shows what it holds.
    void keyDownInBox(int& key);
    void keyPressInBox(std::uint8_t& ch);
    void takeSelectionFromBox();
    void showInputText();
    void addPressedLook(std::string_view button, std::string_view look);

    ui::Edit& me1_;
    ui::RadioButton& rad1_;
    ui::RadioButton& rad2_;
    content::KeyboardTables tables_;
    content::InputMethod input_{tables_};
};

// Opens a fresh search window modally over the list that set `searchLines` and `searchRefresh`,
// and releases it when it closes.
void openSearchWindow();

}  // namespace vemra::search
