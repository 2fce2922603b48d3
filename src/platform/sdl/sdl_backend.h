#pragma once

#include <memory>
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/ui/backend.h"

namespace vemra::sdl {

struct SdlOptions {
    gfx::Size display{640, 480};
    int scale = 0;  // 0 = largest whole factor that fits the desktop
    bool fullscreen = false;
    std::string title = "VEMRA";
};

// The backend with a real window; adds what only a window has.
class SdlBackend : public ui::Backend {
public:
    // The whole factor the window shows the logical display at (full screen may use another).
    virtual int windowScale() const = 0;
};

// Opens the window, the audio device (or a silent stand-in) and the clock.
// Throws std::runtime_error when video cannot start.
std::unique_ptr<SdlBackend> createSdlBackend(const SdlOptions& options);

// The largest whole factor at which `logical` fits inside `desktop`, at least 1.
int largestWholeScale(gfx::Size logical, gfx::Size desktop);

}  // namespace vemra::sdl
