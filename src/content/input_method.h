#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "content/keyboard_tables.h"

namespace vemra::content {

// The search box's Persian input method, without any window: it keeps the box's glyph text (in
// visual order, as the content files store it), the caret and the selection, maps each typed
// character to a letter through the keyboard tables, shapes it and its neighbours, forms the
// lam-alef ligatures and handles deletion and caret movement. Letters are typed leftwards: the
// caret stays left of each new glyph.
class InputMethod {
public:
    static constexpr int backspaceDelete = 8;  // pendingDelete values
    static constexpr int forwardDelete = 46;

    explicit InputMethod(const KeyboardTables& tables) : tables_(tables) {}

    const std::string& text() const { return text_; }
    int caret() const { return caret_; }
    int selectionLength() const { return selection_; }
    int pendingDelete() const { return pendingDelete_; }

    // Where the user put the caret and the selection in the box (with the mouse).
    void setSelection(int start, int length);

    // A key goes down (a virtual key code); returns whether the box may go on to handle it.
    bool keyDown(int key);
    // A character arrives: the input method consumes every one.
    void keyPress(std::uint8_t character) { step(character); }

    std::function<void()> onEnter;     // Enter: run the search
    std::function<void()> onEscape;    // Escape: close the window
    std::function<void()> onNoLetter;  // a character without a readable letter

private:
    void step(std::optional<std::uint8_t> character);
    void insert(std::string& left, std::string& right, const TypedLetter& letter) const;

    const KeyboardTables& tables_;
    std::string text_;
    int caret_ = 0;
    int selection_ = 0;
    int pendingDelete_ = 0;
};

}  // namespace vemra::content
