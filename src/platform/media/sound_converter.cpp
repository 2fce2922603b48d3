#include "platform/media/sound_converter.h"

namespace vemra::media {

bool SoundConverter::configure(const AVFrame& frame) {
    const Input input{frame.format, frame.sample_rate, frame.ch_layout.nb_channels};
    if (resampler_ && input == input_) return true;
    resampler_.reset();
    if (input.rate <= 0 || input.channels <= 0) return false;
    AVChannelLayout in{};
    AVChannelLayout out{};
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_copy(&in, &frame.ch_layout) < 0)
        av_channel_layout_default(&in, input.channels);
    av_channel_layout_default(&out, channels_);
    SwrContext* raw = nullptr;
    const int err = swr_alloc_set_opts2(&raw, &out, AV_SAMPLE_FMT_S16, rate_, &in, AVSampleFormat(frame.format),
                                        frame.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    ResamplerPtr resampler(raw);
    if (err < 0 || swr_init(resampler.get()) < 0) return false;
    resampler_ = std::move(resampler);
    input_ = input;
    return true;
}

std::vector<std::int16_t> SoundConverter::convert(const AVFrame& frame) {
    if (!configure(frame)) return {};
    const int capacity = swr_get_out_samples(resampler_.get(), frame.nb_samples);
    if (capacity <= 0) return {};
    std::vector<std::int16_t> samples(std::size_t(capacity) * std::size_t(channels_));
    auto* out = reinterpret_cast<std::uint8_t*>(samples.data());
    const int frames = swr_convert(resampler_.get(), &out, capacity,
                                   const_cast<const std::uint8_t**>(frame.extended_data), frame.nb_samples);
    samples.resize(frames > 0 ? std::size_t(frames) * std::size_t(channels_) : 0);
    return samples;
}

}  // namespace vemra::media
