#include "platform/headless/virtual_clock_window.h"

namespace vemra::headless {

VirtualClockWindow::VirtualClockWindow(std::unique_ptr<ui::Backend> window)
    : HeadlessBackend(window->displaySize()), window_(std::move(window)) {}

std::optional<ui::InputEvent> VirtualClockWindow::waitEvent(std::int64_t deadlineUs) {
    // A deadline of the window's own now returns at once with what is queued.
    if (auto event = window_->waitEvent(window_->nowUs())) return event;
    return HeadlessBackend::waitEvent(deadlineUs);
}

void VirtualClockWindow::setCursor(std::shared_ptr<const ui::CursorShape> cursor) {
    HeadlessBackend::setCursor(cursor);
    window_->setCursor(std::move(cursor));
}

}  // namespace vemra::headless
