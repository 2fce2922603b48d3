#include "platform/sdl/sdl_input.h"

#include <algorithm>

#include "platform/gfx/utf8.h"

#include "platform/sdl/sdl_keys.h"

namespace vemra::sdl {

namespace {

using ui::InputEvent;

unsigned modifierBits(unsigned mod) {
    return ((mod & KMOD_SHIFT) ? ui::shiftKey : 0u) | ((mod & KMOD_ALT) ? ui::altKey : 0u) |
           ((mod & KMOD_CTRL) ? ui::ctrlKey : 0u);
}

unsigned buttonBits(Uint32 sdlState) {
    return ((sdlState & SDL_BUTTON_LMASK) ? ui::leftButton : 0u) | ((sdlState & SDL_BUTTON_RMASK) ? ui::rightButton : 0u);
}

// The characters Windows types for keys that SDL reports no text for (not with Alt or Ctrl held).
int controlCharacter(int virtualKey) {
    switch (virtualKey) {
    case ui::vk::back:
    case ui::vk::tab:
    case ui::vk::enter:
    case ui::vk::escape: return virtualKey;
    default: return 0;
    }
}

}  // namespace

InputTranslator::Request InputTranslator::translate(const SDL_Event& event, std::deque<InputEvent>& out) {
    switch (event.type) {
    case SDL_MOUSEMOTION: mouseMotion(event.motion, out); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: mouseButton(event.button, out); break;
    case SDL_KEYDOWN: return keyDown(event.key, out);
    case SDL_KEYUP: keyUp(event.key, out); break;
    case SDL_TEXTINPUT: text(event.text.text, out); break;
    case SDL_WINDOWEVENT: return window(event.window, out);
    case SDL_DROPFILE:
        if (event.drop.file) {
            out.push_back({.type = InputEvent::Type::drop, .text = event.drop.file});
            SDL_free(event.drop.file);
        }
        break;
    case SDL_QUIT: out.push_back({.type = InputEvent::Type::closeRequest}); break;
    default: break;
    }
    return Request::none;
}

// Moves outside the picture (over the full-screen backdrop, or while dragging out of the window)
// are clamped to its edge, as the pointer of a real display of that size stops there.
void InputTranslator::mouseMotion(const SDL_MouseMotionEvent& motion, std::deque<InputEvent>& out) {
    heldButtons_ = buttonBits(motion.state);
    const gfx::Point at = placement_.toLogical(motion.x, motion.y);
    out.push_back({.type = InputEvent::Type::mouseMove,
                   .x = std::clamp(at.x, 0, logical_.width - 1),
                   .y = std::clamp(at.y, 0, logical_.height - 1),
                   .shift = modifierBits(SDL_GetModState()) | heldButtons_});
}

// Presses outside the picture hit nothing; their release is dropped with them.
void InputTranslator::mouseButton(const SDL_MouseButtonEvent& button, std::deque<InputEvent>& out) {
    ui::MouseButton which;
    switch (button.button) {
    case SDL_BUTTON_LEFT: which = ui::MouseButton::left; break;
    case SDL_BUTTON_RIGHT: which = ui::MouseButton::right; break;
    case SDL_BUTTON_MIDDLE: which = ui::MouseButton::middle; break;
    default: return;
    }
    const unsigned mask = SDL_BUTTON(button.button);
    const bool down = button.type == SDL_MOUSEBUTTONDOWN;
    const gfx::Point at = placement_.toLogical(button.x, button.y);
    const bool inside = at.x >= 0 && at.y >= 0 && at.x < logical_.width && at.y < logical_.height;
    if (down && !inside) {
        droppedPresses_ |= mask;
        return;
    }
    if (!down && (droppedPresses_ & mask)) {
        droppedPresses_ &= ~mask;
        return;
    }
    const unsigned bit = buttonBits(mask);
    heldButtons_ = down ? heldButtons_ | bit : heldButtons_ & ~bit;
    unsigned shift = modifierBits(SDL_GetModState()) | heldButtons_;
    if (down && button.clicks >= 2 && button.clicks % 2 == 0) shift |= ui::doubleClick;
    out.push_back({.type = down ? InputEvent::Type::mouseDown : InputEvent::Type::mouseUp,
                   .x = std::clamp(at.x, 0, logical_.width - 1),
                   .y = std::clamp(at.y, 0, logical_.height - 1),
                   .button = which,
                   .shift = shift});
}

InputTranslator::Request InputTranslator::keyDown(const SDL_KeyboardEvent& key, std::deque<InputEvent>& out) {
    const SDL_Scancode scancode = key.keysym.scancode;
    if (swallowedKeys_.test(scancode)) return Request::none;  // auto-repeat of a handled shortcut
    const int code = virtualKey(scancode, key.keysym.sym, (key.keysym.mod & KMOD_NUM) != 0);
    if (code == 0) return Request::none;
    const unsigned shift = modifierBits(key.keysym.mod);
    if ((shift & ui::altKey) && (code == ui::vk::enter || code == ui::vk::f4)) {
        swallowedKeys_.set(scancode);
        if (code == ui::vk::enter) return Request::toggleFullscreen;
        out.push_back({.type = InputEvent::Type::closeRequest});
        return Request::none;
    }
    out.push_back({.type = InputEvent::Type::keyDown, .key = code, .shift = shift});
    const int typed = controlCharacter(code);
    if (typed != 0 && !(shift & (ui::altKey | ui::ctrlKey)))
        out.push_back({.type = InputEvent::Type::keyPress, .key = typed, .shift = shift});
    return Request::none;
}

void InputTranslator::keyUp(const SDL_KeyboardEvent& key, std::deque<InputEvent>& out) {
    const SDL_Scancode scancode = key.keysym.scancode;
    if (swallowedKeys_.test(scancode)) {
        swallowedKeys_.reset(scancode);
        return;
    }
    const int code = virtualKey(scancode, key.keysym.sym, (key.keysym.mod & KMOD_NUM) != 0);
    if (code != 0) out.push_back({.type = InputEvent::Type::keyUp, .key = code, .shift = modifierBits(key.keysym.mod)});
}

// Typed text becomes one key press per ASCII character, as the title's keys type single bytes;
// a character beyond ASCII (a desktop keyboard set to another language) is a character event.
void InputTranslator::text(const char* utf8, std::deque<InputEvent>& out) {
    const auto characters = gfx::decodeUtf8(utf8);
    if (!characters) return;
    const unsigned shift = modifierBits(SDL_GetModState());
    for (const char32_t c : *characters) {
        if (c < 0x80) out.push_back({.type = InputEvent::Type::keyPress, .key = int(c), .shift = shift});
        else out.push_back({.type = InputEvent::Type::character, .shift = shift, .character = c});
    }
}

InputTranslator::Request InputTranslator::window(const SDL_WindowEvent& window, std::deque<InputEvent>& out) {
    switch (window.event) {
    case SDL_WINDOWEVENT_CLOSE: out.push_back({.type = InputEvent::Type::closeRequest}); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.push_back({.type = InputEvent::Type::focusGained}); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: out.push_back({.type = InputEvent::Type::focusLost}); break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: return Request::repaint;
    default: break;
    }
    return Request::none;
}

}  // namespace vemra::sdl
