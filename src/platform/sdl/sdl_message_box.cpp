#include "platform/sdl/sdl_message_box.h"

#include <SDL.h>

namespace vemra::sdl {

bool showErrorBox(const std::string& text) {
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "vemra", text.c_str(), nullptr) == 0;
}

}  // namespace vemra::sdl
