#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/media/ffmpeg_handles.h"

namespace vemra::media {

// The decoder of one stream of a file: packets in, frames out.
class StreamDecoder {
public:
    // The decoder of the file's best stream of `type`, or null when it has none that can be decoded.
    static std::unique_ptr<StreamDecoder> open(AVFormatContext& format, AVMediaType type);

    StreamDecoder(CodecPtr codec, const AVStream& stream);

    int streamIndex() const { return streamIndex_; }
    const AVStream& stream() const { return stream_; }
    // Decodes `packet` (null drains what the decoder still holds) and hands over each frame.
    // A damaged packet is skipped.
    void decode(const AVPacket* packet, const std::function<void(const AVFrame&)>& take);
    // How many packets could not be decoded so far.
    int damagedPackets() const { return damagedPackets_; }
    // Forgets buffered data, after a seek.
    void reset();
    // When the frame starts, in microseconds of the file's clock, if it says.
    std::optional<std::int64_t> startUs(const AVFrame& frame) const;

private:
    CodecPtr codec_;
    FramePtr frame_;
    const AVStream& stream_;
    int damagedPackets_ = 0;
    int streamIndex_;
};

}  // namespace vemra::media
