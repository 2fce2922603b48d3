#include "platform/sdl/audio_mixer.h"

#include <algorithm>
#include <limits>

namespace vemra::sdl {

void AudioMixer::attach(ui::AudioSource* source) {
    std::lock_guard lock(mutex_);
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end()) sources_.push_back(source);
}

void AudioMixer::detach(ui::AudioSource* source) {
    std::lock_guard lock(mutex_);
    std::erase(sources_, source);
}

bool AudioMixer::hasSources() const {
    std::lock_guard lock(mutex_);
    return !sources_.empty();
}

void AudioMixer::mix(std::int16_t* out, int frames) {
    const std::size_t samples = std::size_t(frames) * std::size_t(channels_);
    std::lock_guard lock(mutex_);
    if (sources_.empty()) {
        std::fill_n(out, samples, std::int16_t{0});
        return;
    }
    std::vector<ui::AudioSource*> finished;
    if (!sources_.front()->fill(out, frames)) finished.push_back(sources_.front());
    if (sources_.size() > 1) scratch_.resize(samples);
    for (auto it = sources_.begin() + 1; it != sources_.end(); ++it) {
        if (!(*it)->fill(scratch_.data(), frames)) finished.push_back(*it);
        for (std::size_t i = 0; i < samples; ++i) {
            const int sum = out[i] + scratch_[i];
            out[i] = std::int16_t(std::clamp(sum, int(std::numeric_limits<std::int16_t>::min()),
                                             int(std::numeric_limits<std::int16_t>::max())));
        }
    }
    for (ui::AudioSource* source : finished) std::erase(sources_, source);
    if (!finished.empty() && sourceFinished_) sourceFinished_();
}

}  // namespace vemra::sdl
