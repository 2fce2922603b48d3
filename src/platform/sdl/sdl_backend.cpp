#include "platform/sdl/sdl_backend.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "platform/sdl/display_placement.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_cursors.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_input.h"
#include "platform/ui/timing.h"

namespace vemra::sdl {

namespace {

int chooseScale(const SdlOptions& options) {
    if (options.scale > 0) return options.scale;
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    return largestWholeScale(options.display, {usable.w, usable.h});
}

class SdlBackendImpl final : public SdlBackend {
public:
    explicit SdlBackendImpl(const SdlOptions& options);

    gfx::Size displaySize() const override { return logical_; }
    std::int64_t nowUs() const override;
    bool virtualTime() const override { return false; }
    std::optional<ui::InputEvent> waitEvent(std::int64_t deadlineUs) override;
    void wake() override;
    bool showsFrames() const override { return true; }
    void present(const gfx::Bitmap& display, const gfx::Region& changed) override;
    void setCursor(std::shared_ptr<const ui::CursorShape> cursor) override;
    void pause(std::int64_t ns) override;
    ui::AudioOutput& audio() override { return *audio_; }
    int windowScale() const override { return scale_; }
    // The desktop's clipboard (X's CLIPBOARD selection, held by the program while it runs).
    void setClipboardText(std::string utf8) override { SDL_SetClipboardText(utf8.c_str()); }
    std::string clipboardText() const override;

private:
    // Handles one SDL event; true when it was a wake-up.
    bool dispatch(const SDL_Event& event);
    void toggleFullscreen();
    // Where the display lies in the window as it is now (windowed, or full screen).
    DisplayPlacement placement() const;
    // Copies parts of the shown frame into the window's surface, enlarged, and shows them.
    void showOnWindow(const std::vector<gfx::Rect>& parts);
    // The whole window again: black around the frame (after exposure or a change of size).
    void repaint();

    // Declared first so that it is destroyed last: video stays up while everything below goes.
    SdlSubsystems video_;
    const Uint64 start_ = SDL_GetPerformanceCounter();
    const Uint64 frequency_ = SDL_GetPerformanceFrequency();
    const gfx::Size logical_;
    const int scale_;
    WindowPtr window_;
    gfx::Bitmap shown_;    // the frame the window shows, kept for repainting it
    SurfacePtr shownSurface_;  // shown_'s pixels as SDL sees them
    CursorSet cursors_;
    InputTranslator input_;
    std::deque<ui::InputEvent> pending_;
    Uint32 wakeEventType_ = 0;
    std::atomic<bool> wakePending_{false};
    std::chrono::steady_clock::time_point lastPauseEnd_;
    static constexpr std::int64_t freshPumpUs = 1000;
    std::int64_t pumpedUs_ = -1;  // when SDL last fetched what the windowing system sent
    // A sound that runs out wakes the loop, so that timers waiting for its end need not poll.
    std::unique_ptr<ui::AudioOutput> audio_ = openAudioOutput([this] { wake(); });
};

SdlBackendImpl::SdlBackendImpl(const SdlOptions& options)
    : video_(SDL_INIT_VIDEO, "video"),
      logical_(options.display),
      scale_(chooseScale(options)),
      input_(options.display) {
    // The frame goes to the window through the windowing system's shared memory, changed parts only:
    // a GL texture would load a GL driver (tens of MB, and a software rasteriser where there is no
    // GPU) only to show a mostly still picture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const Uint32 flags = SDL_WINDOW_SHOWN | (options.fullscreen ? Uint32(SDL_WINDOW_FULLSCREEN_DESKTOP) : 0u);
    window_.reset(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   logical_.width * scale_, logical_.height * scale_, flags));
    if (!window_) throwSdlError("window");
    // Closing the window is reported once, as a close request; SDL would add a quit event.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    wakeEventType_ = SDL_RegisterEvents(1);
    if (wakeEventType_ == Uint32(-1)) throwSdlError("wake event");
    input_.setPlacement(placement());
    cursors_.show(nullptr, placement().scale, nowUs());
    repaint();
}

std::int64_t SdlBackendImpl::nowUs() const {
    const Uint64 ticks = SDL_GetPerformanceCounter() - start_;
    // Whole seconds and the remainder apart, so that the product cannot overflow.
    return std::int64_t(ticks / frequency_) * 1'000'000 + std::int64_t(ticks % frequency_ * 1'000'000 / frequency_);
}

std::optional<ui::InputEvent> SdlBackendImpl::waitEvent(std::int64_t deadlineUs) {
    for (;;) {
        if (!pending_.empty()) {
            const ui::InputEvent event = pending_.front();
            pending_.pop_front();
            return event;
        }
        const std::int64_t now = nowUs();
        cursors_.advance(now);
        std::int64_t until = cursors_.nextFrameUs();
        if (deadlineUs != noDeadline) until = until == noDeadline ? deadlineUs : std::min(until, deadlineUs);

        SDL_Event event;
        if (until == noDeadline) {
            const int got = SDL_WaitEvent(&event);
            pumpedUs_ = nowUs();
            if (got == 0) return std::nullopt;
        } else if (now >= until) {
            // The caller's deadline has passed (a cursor frame time never has, after advance):
            // events already queued still come first, as Windows delivers timers last. What the
            // windowing system sent is fetched again only when it was not fetched a moment ago:
            // each fetch costs system calls, and a timer tick would otherwise fetch three times.
            const bool fresh = pumpedUs_ >= 0 && now - pumpedUs_ < freshPumpUs;
            if (!fresh) pumpedUs_ = now;
            if ((fresh ? SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) : SDL_PollEvent(&event)) <= 0)
                return std::nullopt;
        } else {
            const auto ms = int(std::min<std::int64_t>((until - now + 999) / 1000, SDL_MAX_SINT32));
            const int got = SDL_WaitEventTimeout(&event, ms);
            pumpedUs_ = nowUs();
            if (got == 0) continue;
        }
        if (dispatch(event)) return std::nullopt;
    }
}

bool SdlBackendImpl::dispatch(const SDL_Event& event) {
    if (event.type == wakeEventType_) {
        wakePending_ = false;
        return true;
    }
    if (event.type == SDL_MOUSEMOTION && ui::timing())
        ui::timingLine("move", std::to_string(event.motion.x) + " " + std::to_string(event.motion.y));
    switch (input_.translate(event, pending_)) {
    case InputTranslator::Request::toggleFullscreen: toggleFullscreen(); break;
    case InputTranslator::Request::repaint:
        input_.setPlacement(placement());
        cursors_.rescale(placement().scale, nowUs());
        repaint();
        break;
    case InputTranslator::Request::none: break;
    }
    return false;
}

void SdlBackendImpl::wake() {
    // One wake-up in the queue is enough however often other threads call.
    if (wakePending_.exchange(true)) return;
    SDL_Event event{};
    event.type = wakeEventType_;
    if (SDL_PushEvent(&event) != 1) wakePending_ = false;
}

void SdlBackendImpl::toggleFullscreen() {
    const bool fullscreen = (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN) != 0;
    SDL_SetWindowFullscreen(window_.get(), fullscreen ? 0u : Uint32(SDL_WINDOW_FULLSCREEN_DESKTOP));
}

void SdlBackendImpl::present(const gfx::Bitmap& display, const gfx::Region& changed) {
    if (display.empty()) return;
    if (shown_.size() != display.size()) {
        shown_ = display;
        shownSurface_.reset(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<gfx::Pixel*>(shown_.pixels().data()),
                                                               shown_.width(), shown_.height(), 32,
                                                               shown_.width() * 4, SDL_PIXELFORMAT_RGB888));
        if (!shownSurface_) throwSdlError("display surface");
        repaint();
        return;
    }
    for (const gfx::Rect& r : changed.rects()) shown_.copyFrom(display, r, r.origin());
    showOnWindow(changed.rects());
}

void SdlBackendImpl::showOnWindow(const std::vector<gfx::Rect>& parts) {
    SDL_Surface* window = SDL_GetWindowSurface(window_.get());
    if (!window || !shownSurface_) return;
    const DisplayPlacement place = placement();
    std::vector<SDL_Rect> updated;
    for (const gfx::Rect& part : parts) {
        const gfx::Rect r = part.intersected(shown_.bounds());
        if (r.empty()) continue;
        const gfx::Rect w = place.toWindow(r);
        SDL_Rect from{r.left, r.top, r.width, r.height}, to{w.left, w.top, w.width, w.height};
        // RGB888 is SDL's name for 32-bit 0x00RRGGBB, the bitmap's own layout; SDL enlarges by
        // repeating pixels.
        if (SDL_BlitScaled(shownSurface_.get(), &from, window, &to) != 0) throwSdlError("display copy");
        updated.push_back({w.left, w.top, w.width, w.height});
    }
    if (!updated.empty()) SDL_UpdateWindowSurfaceRects(window_.get(), updated.data(), int(updated.size()));
}

void SdlBackendImpl::repaint() {
    SDL_Surface* window = SDL_GetWindowSurface(window_.get());
    if (!window) throwSdlError("window surface");
    SDL_FillRect(window, nullptr, SDL_MapRGB(window->format, 0, 0, 0));
    showOnWindow({shown_.bounds()});
    SDL_UpdateWindowSurface(window_.get());
}

DisplayPlacement SdlBackendImpl::placement() const {
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(window_.get(), &width, &height);
    return placeDisplay(logical_, {width, height});
}

std::string SdlBackendImpl::clipboardText() const {
    const std::unique_ptr<char, decltype(&SDL_free)> text(SDL_GetClipboardText(), SDL_free);
    return text ? std::string(text.get()) : std::string();
}

void SdlBackendImpl::setCursor(std::shared_ptr<const ui::CursorShape> cursor) {
    cursors_.show(std::move(cursor), placement().scale, nowUs());
}

void SdlBackendImpl::pause(std::int64_t ns) {
    // A pause that follows another closely counts from the end of that one, even when showing the
    // frame between them took longer than the pause: a transition effect then catches up and lasts
    // the sum of its pauses on a loaded machine too.
    using Clock = std::chrono::steady_clock;
    constexpr auto closely = std::chrono::milliseconds(10);
    const Clock::time_point now = Clock::now();
    lastPauseEnd_ = (now - lastPauseEnd_ < closely ? lastPauseEnd_ : now) + std::chrono::nanoseconds(ns);
    std::this_thread::sleep_until(lastPauseEnd_);
}

}  // namespace

int largestWholeScale(gfx::Size logical, gfx::Size desktop) {
    if (logical.width <= 0 || logical.height <= 0) return 1;
    return std::max(1, std::min(desktop.width / logical.width, desktop.height / logical.height));
}

std::unique_ptr<SdlBackend> createSdlBackend(const SdlOptions& options) {
    return std::make_unique<SdlBackendImpl>(options);
}

}  // namespace vemra::sdl
