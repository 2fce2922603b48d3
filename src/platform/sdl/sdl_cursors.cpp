#include "platform/sdl/sdl_cursors.h"

#include <algorithm>


namespace vemra::sdl {

namespace {

// Animation frames shorter than this would keep the event loop spinning.
constexpr int minFrameMs = 10;

// Xcursor takes premultiplied alpha and SDL hands the pixels over unchanged.
std::uint32_t premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    const auto channel = [&](int shift) { return (((argb >> shift) & 0xFF) * a / 255) << shift; };
    return (a << 24) | channel(16) | channel(8) | channel(0);
}

CursorPtr makeColourCursor(const ui::CursorFrame& frame, int scale) {
    if (frame.width <= 0 || frame.height <= 0 ||
        frame.argb.size() != std::size_t(frame.width) * std::size_t(frame.height))
        return nullptr;
    const int width = frame.width * scale, height = frame.height * scale;
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                premultiplied(frame.argb[std::size_t(y / scale) * std::size_t(frame.width) + std::size_t(x / scale)]);
    const SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32, width * 4,
                                                                SDL_PIXELFORMAT_ARGB8888));
    if (!surface) return nullptr;
    const int hotX = std::clamp(frame.hotspot.x * scale, 0, width - 1);
    const int hotY = std::clamp(frame.hotspot.y * scale, 0, height - 1);
    return CursorPtr(SDL_CreateColorCursor(surface.get(), hotX, hotY));
}

}  // namespace

void CursorSet::show(std::shared_ptr<const ui::CursorShape> shape, int scale, std::int64_t nowUs) {
    if (scale != scale_) {
        made_.clear();
        scale_ = scale;
    }
    current_ = std::move(shape);
    frame_ = 0;
    applyFrame(nowUs);
}

void CursorSet::rescale(int scale, std::int64_t nowUs) {
    if (scale != scale_) show(current_, scale, nowUs);
}

void CursorSet::advance(std::int64_t nowUs) {
    if (nextFrameUs_ == ui::Backend::noDeadline || nowUs < nextFrameUs_) return;
    frame_ = (frame_ + 1) % current_->frames.size();
    applyFrame(nowUs);
}

void CursorSet::applyFrame(std::int64_t nowUs) {
    nextFrameUs_ = ui::Backend::noDeadline;
    if (!current_ || current_->system != ui::CursorShape::System::none) {
        SDL_SetCursor(systemCursor(current_ ? current_->system : ui::CursorShape::System::arrow));
        return;
    }
    const std::vector<CursorPtr>& frames = framesOf(current_);
    if (frames.empty()) {
        SDL_SetCursor(systemCursor(ui::CursorShape::System::arrow));
        return;
    }
    SDL_SetCursor(frames[frame_].get());
    if (frames.size() > 1) {
        const int ms = frame_ < current_->frameMs.size() ? current_->frameMs[frame_] : 0;
        nextFrameUs_ = nowUs + std::int64_t(std::max(ms, minFrameMs)) * 1000;
    }
}

const std::vector<CursorPtr>& CursorSet::framesOf(const std::shared_ptr<const ui::CursorShape>& shape) {
    auto found = made_.find(shape.get());
    if (found != made_.end()) return found->second.frames;
    Made made{shape, {}};
    for (const ui::CursorFrame& frame : shape->frames) {
        CursorPtr cursor = makeColourCursor(frame, scale_);
        if (!cursor) {  // one unusable frame spoils the animation: show the arrow instead
            made.frames.clear();
            break;
        }
        made.frames.push_back(std::move(cursor));
    }
    return made_.emplace(shape.get(), std::move(made)).first->second.frames;
}

SDL_Cursor* CursorSet::systemCursor(ui::CursorShape::System which) {
    CursorPtr& cursor = which == ui::CursorShape::System::hand ? hand_ : arrow_;
    if (!cursor)
        cursor.reset(SDL_CreateSystemCursor(which == ui::CursorShape::System::hand ? SDL_SYSTEM_CURSOR_HAND
                                                                                  : SDL_SYSTEM_CURSOR_ARROW));
    return cursor.get();
}

}  // namespace vemra::sdl
