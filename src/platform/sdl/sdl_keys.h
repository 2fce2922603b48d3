#pragma once

#include <cstdint>

namespace vemra::sdl {

// The Windows virtual-key code of a key, 0 when it has none.
// `scancode` is the key's position (an SDL scancode, i.e. a USB HID usage id) and `keycode` what the
// current layout makes of it (an SDL keycode). Letters and digits follow a Latin layout as Windows
// does; every other key, and letters of non-Latin layouts, map by their US-layout position.
// Without num lock the keypad keys are the navigation keys they are labelled with.
int virtualKey(int scancode, std::int32_t keycode, bool numLock);

}  // namespace vemra::sdl
