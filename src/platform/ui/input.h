#pragma once

#include <cstdint>
#include <string>

namespace vemra::ui {

enum class MouseButton { left, right, middle };

// Shift-state bits of mouse and key events.
enum ShiftBits : unsigned { shiftKey = 1, altKey = 2, ctrlKey = 4, leftButton = 8, rightButton = 16, doubleClick = 32 };

// Windows virtual-key codes: scripts and key handlers use these numbers.
namespace vk {
inline constexpr int back = 8, tab = 9, enter = 13, shift = 16, control = 17, menu = 18, escape = 27,
                     space = 32, prior = 33, next = 34, end = 35, home = 36, left = 37, up = 38, right = 39,
                     down = 40, insert = 45, del = 46, f1 = 112, f4 = 115, f5 = 116, f12 = 123;
}

// One input event from a backend or a script, in logical display coordinates.
struct InputEvent {
    enum class Type {
        mouseMove,
        mouseDown,
        mouseUp,
        keyDown,
        keyUp,
        keyPress,       // a typed character, `code` is its byte
        character,      // a character a desktop keyboard or a paste typed beyond ASCII, in `character`
        closeRequest,   // the user asked to close the active window (window manager, Alt+F4)
        focusGained,    // the program became the user's active application
        focusLost,
        drop,           // a file or folder dropped onto the window from the desktop, its path in `text`
        quit,           // end the program at once
    };
    Type type = Type::mouseMove;
    int x = 0;
    int y = 0;
    MouseButton button = MouseButton::left;
    int key = 0;       // virtual-key code, or the character code of a key press
    unsigned shift = 0;
    char32_t character = 0;
    std::string text = {};  // a dropped path (UTF-8)
};

}  // namespace vemra::ui
