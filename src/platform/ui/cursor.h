#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/geometry.h"

namespace vemra::ui {

// Cursor numbers as the toolkit knows them; the title installs its own under positive numbers.
namespace cursors {
inline constexpr int defaultCursor = 0;
inline constexpr int arrow = -2;
inline constexpr int handPoint = -21;
}  // namespace cursors

// One cursor picture: premultiplied-free ARGB pixels (alpha 0 = transparent) and its hot spot.
struct CursorFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
    gfx::Point hotspot;
};

// A cursor as the backend shows it: a system shape, or one or more frames (animated when several).
struct CursorShape {
    enum class System { none, arrow, hand };
    System system = System::none;
    std::vector<CursorFrame> frames;
    std::vector<int> frameMs;  // display time of each frame, same length as frames when animated

    static std::shared_ptr<const CursorShape> systemShape(System s) {
        auto c = std::make_shared<CursorShape>();
        c->system = s;
        return c;
    }
    bool animated() const { return frames.size() > 1; }
};

}  // namespace vemra::ui
