#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/sdl/sdl_handles.h"
#include "platform/ui/backend.h"

namespace vemra::sdl {

// The mouse cursor: system shapes and colour cursors (created once per shape and scale, enlarged
// by the display's scale factor so they keep their size relative to the picture), and the frame
// switching of animated ones, which the event loop drives through nextFrameUs() and advance().
class CursorSet {
public:
    // Shows `shape` (the arrow when null or without a usable picture).
    void show(std::shared_ptr<const ui::CursorShape> shape, int scale, std::int64_t nowUs);
    // Recreates the colour cursors when the display's scale factor changed.
    void rescale(int scale, std::int64_t nowUs);
    // When the animated cursor shows its next frame; ui::Backend::noDeadline when not animated.
    std::int64_t nextFrameUs() const { return nextFrameUs_; }
    // Switches to the next frame when its time has come.
    void advance(std::int64_t nowUs);

private:
    struct Made {
        std::shared_ptr<const ui::CursorShape> shape;  // keeps the key's address unique
        std::vector<CursorPtr> frames;                  // empty when the picture was unusable
    };
    const std::vector<CursorPtr>& framesOf(const std::shared_ptr<const ui::CursorShape>& shape);
    SDL_Cursor* systemCursor(ui::CursorShape::System which);
    void applyFrame(std::int64_t nowUs);

    std::map<const ui::CursorShape*, Made> made_;
    CursorPtr arrow_;
    CursorPtr hand_;
    std::shared_ptr<const ui::CursorShape> current_;
    int scale_ = 1;
    std::size_t frame_ = 0;
    std::int64_t nextFrameUs_ = ui::Backend::noDeadline;
};

}  // namespace vemra::sdl
