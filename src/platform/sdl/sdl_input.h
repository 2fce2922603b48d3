#pragma once

#include <SDL.h>

#include <bitset>
#include <deque>

#include "platform/gfx/geometry.h"
#include "platform/sdl/display_placement.h"
#include "platform/ui/input.h"

namespace vemra::sdl {

// Turns SDL events into the toolkit's input events, the way Windows reports them. Mouse
// coordinates are mapped from the window's pixels to the logical display.
class InputTranslator {
public:
    // What the backend has to do itself for an event.
    enum class Request { none, toggleFullscreen, repaint };

    explicit InputTranslator(gfx::Size logical) : logical_(logical) {}

    // Where the display lies in the window now.
    void setPlacement(DisplayPlacement placement) { placement_ = placement; }

    // Appends the input events that `event` stands for to `out`.
    Request translate(const SDL_Event& event, std::deque<ui::InputEvent>& out);

private:
    void mouseMotion(const SDL_MouseMotionEvent& motion, std::deque<ui::InputEvent>& out);
    void mouseButton(const SDL_MouseButtonEvent& button, std::deque<ui::InputEvent>& out);
    Request keyDown(const SDL_KeyboardEvent& key, std::deque<ui::InputEvent>& out);
    void keyUp(const SDL_KeyboardEvent& key, std::deque<ui::InputEvent>& out);
    static void text(const char* utf8, std::deque<ui::InputEvent>& out);
    Request window(const SDL_WindowEvent& window, std::deque<ui::InputEvent>& out);

    gfx::Size logical_;
    DisplayPlacement placement_;
    unsigned heldButtons_ = 0;                        // leftButton / rightButton bits
    unsigned droppedPresses_ = 0;                     // SDL button masks pressed outside the picture
    std::bitset<SDL_NUM_SCANCODES> swallowedKeys_;  // keys down in a shortcut the backend handles
};

}  // namespace vemra::sdl
