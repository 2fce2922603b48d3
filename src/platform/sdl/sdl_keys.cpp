#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

#include "platform/ui/input.h"

namespace vemra::sdl {

namespace {

namespace vk = ui::vk;

// Windows virtual-key codes beyond the toolkit's own set.
namespace vkx {
constexpr int clear = 0x0C, pause = 0x13, capital = 0x14, snapshot = 0x2C, lwin = 0x5B, rwin = 0x5C,
              apps = 0x5D, numpad0 = 0x60, multiply = 0x6A, add = 0x6B, subtract = 0x6D, decimal = 0x6E,
              divide = 0x6F, f1 = 0x70, f13 = 0x7C, numlock = 0x90, scroll = 0x91;
// US-layout punctuation keys.
constexpr int oem1 = 0xBA, oemPlus = 0xBB, oemComma = 0xBC, oemMinus = 0xBD, oemPeriod = 0xBE, oem2 = 0xBF,
              oem3 = 0xC0, oem4 = 0xDB, oem5 = 0xDC, oem6 = 0xDD, oem7 = 0xDE, oem102 = 0xE2;
}  // namespace vkx

// Keypad 1..9, 0 and the decimal point without num lock.
int keypadNavigation(int scancode) {
    switch (scancode) {
    case SDL_SCANCODE_KP_1: return vk::end;
    case SDL_SCANCODE_KP_2: return vk::down;
    case SDL_SCANCODE_KP_3: return vk::next;
    case SDL_SCANCODE_KP_4: return vk::left;
    case SDL_SCANCODE_KP_5: return vkx::clear;
    case SDL_SCANCODE_KP_6: return vk::right;
    case SDL_SCANCODE_KP_7: return vk::home;
    case SDL_SCANCODE_KP_8: return vk::up;
    case SDL_SCANCODE_KP_9: return vk::prior;
    case SDL_SCANCODE_KP_0: return vk::insert;
    default: return vk::del;
    }
}

int namedKey(int scancode) {
    switch (scancode) {
    case SDL_SCANCODE_BACKSPACE: return vk::back;
    case SDL_SCANCODE_TAB: return vk::tab;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return vk::enter;
    case SDL_SCANCODE_ESCAPE: return vk::escape;
    case SDL_SCANCODE_SPACE: return vk::space;
    case SDL_SCANCODE_PAGEUP: return vk::prior;
    case SDL_SCANCODE_PAGEDOWN: return vk::next;
    case SDL_SCANCODE_END: return vk::end;
    case SDL_SCANCODE_HOME: return vk::home;
    case SDL_SCANCODE_LEFT: return vk::left;
    case SDL_SCANCODE_UP: return vk::up;
    case SDL_SCANCODE_RIGHT: return vk::right;
    case SDL_SCANCODE_DOWN: return vk::down;
    case SDL_SCANCODE_INSERT: return vk::insert;
    case SDL_SCANCODE_DELETE: return vk::del;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return vk::shift;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return vk::control;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return vk::menu;
    case SDL_SCANCODE_LGUI: return vkx::lwin;
    case SDL_SCANCODE_RGUI: return vkx::rwin;
    case SDL_SCANCODE_APPLICATION: return vkx::apps;
    case SDL_SCANCODE_CAPSLOCK: return vkx::capital;
    case SDL_SCANCODE_NUMLOCKCLEAR: return vkx::numlock;
    case SDL_SCANCODE_SCROLLLOCK: return vkx::scroll;
    case SDL_SCANCODE_PAUSE: return vkx::pause;
    case SDL_SCANCODE_PRINTSCREEN: return vkx::snapshot;
    case SDL_SCANCODE_KP_DIVIDE: return vkx::divide;
    case SDL_SCANCODE_KP_MULTIPLY: return vkx::multiply;
    case SDL_SCANCODE_KP_MINUS: return vkx::subtract;
    case SDL_SCANCODE_KP_PLUS: return vkx::add;
    case SDL_SCANCODE_SEMICOLON: return vkx::oem1;
    case SDL_SCANCODE_EQUALS: return vkx::oemPlus;
    case SDL_SCANCODE_COMMA: return vkx::oemComma;
    case SDL_SCANCODE_MINUS: return vkx::oemMinus;
    case SDL_SCANCODE_PERIOD: return vkx::oemPeriod;
    case SDL_SCANCODE_SLASH: return vkx::oem2;
    case SDL_SCANCODE_GRAVE: return vkx::oem3;
    case SDL_SCANCODE_LEFTBRACKET: return vkx::oem4;
    case SDL_SCANCODE_BACKSLASH: return vkx::oem5;
    case SDL_SCANCODE_RIGHTBRACKET: return vkx::oem6;
    case SDL_SCANCODE_APOSTROPHE: return vkx::oem7;
    case SDL_SCANCODE_NONUSBACKSLASH: return vkx::oem102;
    default: return 0;
    }
}

}  // namespace

int virtualKey(int scancode, std::int32_t keycode, bool numLock) {
    if (keycode >= 'a' && keycode <= 'z') return keycode - 'a' + 'A';
    if (keycode >= '0' && keycode <= '9') return keycode;
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return vkx::f1 + (scancode - SDL_SCANCODE_F1);
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) return vkx::f13 + (scancode - SDL_SCANCODE_F13);
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_PERIOD) {
        if (!numLock) return keypadNavigation(scancode);
        if (scancode == SDL_SCANCODE_KP_0) return vkx::numpad0;
        if (scancode == SDL_SCANCODE_KP_PERIOD) return vkx::decimal;
        return vkx::numpad0 + 1 + (scancode - SDL_SCANCODE_KP_1);
    }
    return namedKey(scancode);
}

}  // namespace vemra::sdl
