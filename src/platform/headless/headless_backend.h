#pragma once

#include <memory>

#include "platform/ui/backend.h"

namespace vemra::headless {

// No window and a virtual clock that moves only when the loop waits for a deadline or a handler
// pauses: every run of the same script is identical. Sound is consumed at the virtual pace.
class HeadlessBackend : public ui::Backend {
public:
    explicit HeadlessBackend(gfx::Size display = {640, 480});
    ~HeadlessBackend() override;

    gfx::Size displaySize() const override { return display_; }
    std::int64_t nowUs() const override { return nowUs_; }
    bool virtualTime() const override { return true; }
    std::optional<ui::InputEvent> waitEvent(std::int64_t deadlineUs) override;
    void wake() override {}
    bool showsFrames() const override { return false; }
    void present(const gfx::Bitmap&, const gfx::Region&) override {}
    void setCursor(std::shared_ptr<const ui::CursorShape> cursor) override { cursor_ = std::move(cursor); }
    void pause(std::int64_t ns) override;
    ui::AudioOutput& audio() override;

    const ui::CursorShape* cursor() const { return cursor_.get(); }

private:
    class NullAudio;
    void advanceTo(std::int64_t us);

    gfx::Size display_;
    std::int64_t nowUs_ = 0;
    std::int64_t pauseRemainderNs_ = 0;
    std::shared_ptr<const ui::CursorShape> cursor_;
    std::unique_ptr<NullAudio> audio_;
};

}  // namespace vemra::headless
