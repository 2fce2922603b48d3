#include "platform/media/stream_decoder.h"

namespace vemra::media {

std::unique_ptr<StreamDecoder> StreamDecoder::open(AVFormatContext& format, AVMediaType type) {
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(&format, type, -1, -1, &codec, 0);
    if (index < 0 || !codec) return nullptr;
    const AVStream& stream = *format.streams[index];
    if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) return nullptr;  // cover art, not video
    CodecPtr context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), stream.codecpar) < 0) return nullptr;
    context->pkt_timebase = stream.time_base;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
    return std::make_unique<StreamDecoder>(std::move(context), stream);
}

StreamDecoder::StreamDecoder(CodecPtr codec, const AVStream& stream)
    : codec_(std::move(codec)), frame_(av_frame_alloc()), stream_(stream), streamIndex_(stream.index) {
    if (!frame_) throw std::bad_alloc();
}

void StreamDecoder::decode(const AVPacket* packet, const std::function<void(const AVFrame&)>& take) {
    if (avcodec_send_packet(codec_.get(), packet) < 0 && packet) {
        ++damagedPackets_;
        return;
    }
    int received;
    while ((received = avcodec_receive_frame(codec_.get(), frame_.get())) == 0) {
        take(*frame_);
        av_frame_unref(frame_.get());
    }
    if (received != AVERROR(EAGAIN) && received != AVERROR_EOF) ++damagedPackets_;
}

void StreamDecoder::reset() { avcodec_flush_buffers(codec_.get()); }

std::optional<std::int64_t> StreamDecoder::startUs(const AVFrame& frame) const {
    if (frame.best_effort_timestamp == AV_NOPTS_VALUE) return std::nullopt;
    return av_rescale_q(frame.best_effort_timestamp, stream_.time_base, microseconds);
}

}  // namespace vemra::media
