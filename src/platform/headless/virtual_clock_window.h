#pragma once

#include <memory>

#include "platform/headless/headless_backend.h"

namespace vemra::headless {

// A real window on the virtual clock: display, input and cursors are the window backend's, while
// time, pauses and sound are the headless backend's. A scripted run then reaches exactly the same
// moments as a headless one, so that their screenshots can be compared pixel for pixel.
class VirtualClockWindow final : public HeadlessBackend {
public:
    explicit VirtualClockWindow(std::unique_ptr<ui::Backend> window);

    gfx::Size displaySize() const override { return window_->displaySize(); }
    // Events already queued in the window come first; otherwise the clock jumps to the deadline.
    std::optional<ui::InputEvent> waitEvent(std::int64_t deadlineUs) override;
    bool showsFrames() const override { return true; }
    void present(const gfx::Bitmap& display, const gfx::Region& changed) override {
        window_->present(display, changed);
    }
    void setCursor(std::shared_ptr<const ui::CursorShape> cursor) override;
    void setClipboardText(std::string utf8) override { window_->setClipboardText(std::move(utf8)); }
    std::string clipboardText() const override { return window_->clipboardText(); }

private:
    std::unique_ptr<ui::Backend> window_;
};

}  // namespace vemra::headless
