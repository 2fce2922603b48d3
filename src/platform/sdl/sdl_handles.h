#pragma once

#include <SDL.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace vemra::sdl {

// Owning pointers for SDL objects.
template <auto destroy>
struct SdlDeleter {
    template <class T>
    void operator()(T* p) const { destroy(p); }
};
using WindowPtr = std::unique_ptr<SDL_Window, SdlDeleter<SDL_DestroyWindow>>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SdlDeleter<SDL_FreeSurface>>;
using CursorPtr = std::unique_ptr<SDL_Cursor, SdlDeleter<SDL_FreeCursor>>;

// Throws std::runtime_error with SDL's last error, prefixed by what failed.
[[noreturn]] inline void throwSdlError(const std::string& what) {
    throw std::runtime_error(what + ": " + SDL_GetError());
}

// Keeps SDL subsystems started for its lifetime; the last one to stop shuts SDL down entirely.
class SdlSubsystems {
public:
    SdlSubsystems(Uint32 flags, const char* what) : flags_(flags) {
        if (SDL_InitSubSystem(flags) != 0) throwSdlError(what);
    }
    ~SdlSubsystems() {
        SDL_QuitSubSystem(flags_);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    }
    SdlSubsystems(const SdlSubsystems&) = delete;
    SdlSubsystems& operator=(const SdlSubsystems&) = delete;

private:
    Uint32 flags_;
};

}  // namespace vemra::sdl
