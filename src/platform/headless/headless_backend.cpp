#include "platform/headless/headless_backend.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace vemra::headless {

// Pulls the attached sources for exactly the frames that the virtual clock has moved over.
class HeadlessBackend::NullAudio : public ui::AudioOutput {
public:
    static constexpr int rate = 44100;

    int sampleRate() const override { return rate; }
    int channels() const override { return 2; }
    void attach(ui::AudioSource* s) override {
        std::lock_guard lock(mutex_);
        if (std::find(sources_.begin(), sources_.end(), s) == sources_.end()) sources_.push_back(s);
    }
    void detach(ui::AudioSource* s) override {
        std::lock_guard lock(mutex_);
        sources_.erase(std::remove(sources_.begin(), sources_.end(), s), sources_.end());
    }

    void advance(std::int64_t fromUs, std::int64_t toUs) {
        const std::int64_t frames = toUs * rate / 1000000 - fromUs * rate / 1000000;
        if (frames <= 0) return;
        std::lock_guard lock(mutex_);
        buffer_.resize(std::size_t(std::min<std::int64_t>(frames, chunk)) * 2);
        for (std::int64_t done = 0; done < frames && !sources_.empty();) {
            const int n = int(std::min<std::int64_t>(frames - done, chunk));
            std::erase_if(sources_, [&](ui::AudioSource* s) { return !s->fill(buffer_.data(), n); });
            done += n;
        }
    }

private:
    static constexpr std::int64_t chunk = 4096;
    std::mutex mutex_;
    std::vector<ui::AudioSource*> sources_;
    std::vector<std::int16_t> buffer_;
};

HeadlessBackend::HeadlessBackend(gfx::Size display) : display_(display), audio_(std::make_unique<NullAudio>()) {}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::advanceTo(std::int64_t us) {
    if (us <= nowUs_) return;
    const std::int64_t from = nowUs_;
    nowUs_ = us;
    audio_->advance(from, us);
}

std::optional<ui::InputEvent> HeadlessBackend::waitEvent(std::int64_t deadlineUs) {
    if (deadlineUs != noDeadline) advanceTo(deadlineUs);
    return std::nullopt;
}

void HeadlessBackend::pause(std::int64_t ns) {
    pauseRemainderNs_ += ns;
    const std::int64_t us = pauseRemainderNs_ / 1000;
    pauseRemainderNs_ %= 1000;
    advanceTo(nowUs_ + us);
}

ui::AudioOutput& HeadlessBackend::audio() { return *audio_; }

}  // namespace vemra::headless
