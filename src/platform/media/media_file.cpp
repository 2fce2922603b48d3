#include "platform/media/media_file.h"

#include <algorithm>
#include <limits>
#include <mutex>

#include "platform/media/media_error.h"

namespace vemra::media {

namespace {

// Failures reach the caller as exceptions; the libraries' own messages would only clutter stderr.
void quietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}

std::string errorText(int err) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(err, text, sizeof text);
    return text;
}

// Whether a packet of MPEG audio holds less than the frame its header begins: the end of a file cut
// off in the middle of a frame, which the decoder plays without a word. Packets that do not begin
// with a frame header (as some containers cut them) are not judged.
bool cutShortMpegAudio(const AVPacket& packet) {
    if (packet.size < 4) return false;
    const std::uint32_t h = std::uint32_t(packet.data[0]) << 24 | std::uint32_t(packet.data[1]) << 16 |
                            std::uint32_t(packet.data[2]) << 8 | packet.data[3];
    if ((h >> 21) != 0x7FF) return false;
    const int version = (h >> 19) & 3, layer = (h >> 17) & 3, bitrateIndex = (h >> 12) & 15, rateIndex = (h >> 10) & 3;
    if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) return false;
    static constexpr int kbps[2][3][15] = {
        {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
         {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
         {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
        {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
    static constexpr int rates[3] = {44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const int rate = rates[rateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int layerNumber = 4 - layer;  // 1, 2 or 3
    const int bitrate = kbps[mpeg1 ? 0 : 1][layerNumber - 1][bitrateIndex] * 1000;
    const int padding = (h >> 9) & 1;
    const int length = layerNumber == 1 ? (12 * bitrate / rate + padding) * 4
                                        : (layerNumber == 3 && !mpeg1 ? 72 : 144) * bitrate / rate + padding;
    return packet.size < length;
}

}  // namespace

MediaFile::MediaFile(const MediaSource& source, MediaKind kind, int rate, int channels, PictureFit fit)
    : rate_(rate),
      input_(std::make_unique<MediaInput>(source)),
      packet_(av_packet_alloc()),
      soundConverter_(rate, channels),
      pictureConverter_(fit) {
    quietLibraries();
    if (!packet_) throw std::bad_alloc();
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) throw std::bad_alloc();
    raw->pb = input_->context();
    raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (const int err = avformat_open_input(&raw, source.name.c_str(), nullptr, nullptr); err < 0)
        throw MediaError(errorText(err));
    format_.reset(raw);
    if (const int err = avformat_find_stream_info(raw, nullptr); err < 0) throw MediaError(errorText(err));
    sound_ = StreamDecoder::open(*raw, AVMEDIA_TYPE_AUDIO);
    if (kind == MediaKind::video) pictures_ = StreamDecoder::open(*raw, AVMEDIA_TYPE_VIDEO);
    if (!sound_ && !pictures_) throw MediaError("no sound or video that can be decoded");
    if (pictures_) {
        const AVRational rate = av_guess_frame_rate(raw, const_cast<AVStream*>(&pictures_->stream()), nullptr);
        if (rate.num > 0 && rate.den > 0) pictureIntervalUs_ = av_rescale(1'000'000, rate.den, rate.num);
    }
    if (raw->start_time != AV_NOPTS_VALUE) originUs_ = raw->start_time;
    lengthUs_ = declaredLengthUs();
    if (lengthUs_ <= 0) lengthUs_ = scannedLengthUs();
}

std::int32_t MediaFile::lengthMs() const {
    return std::int32_t(std::min<std::int64_t>((lengthUs_ + 500) / 1000, std::numeric_limits<std::int32_t>::max()));
}

bool MediaFile::usesStream(int index) const {
    return (sound_ && sound_->streamIndex() == index) || (pictures_ && pictures_->streamIndex() == index);
}

std::int64_t MediaFile::declaredLengthUs() const {
    if (format_->duration > 0) return format_->duration;
    std::int64_t longest = 0;
    for (const StreamDecoder* d : {sound_.get(), pictures_.get()})
        if (d && d->stream().duration > 0)
            longest = std::max(longest, av_rescale_q(d->stream().duration, d->stream().time_base, microseconds));
    return longest;
}

// For files whose headers do not say how long they are: the end of the last packet.
std::int64_t MediaFile::scannedLengthUs() {
    std::int64_t end = 0;
    while (av_read_frame(format_.get(), packet_.get()) >= 0) {
        const AVPacket& p = *packet_;
        if (usesStream(p.stream_index) && p.pts != AV_NOPTS_VALUE) {
            const AVRational base = format_->streams[p.stream_index]->time_base;
            end = std::max(end, av_rescale_q(p.pts + p.duration, base, microseconds) - originUs_);
        }
        av_packet_unref(packet_.get());
    }
    seek(0);
    return end;
}

void MediaFile::seek(std::int32_t ms) {
    const std::int64_t target = originUs_ + std::int64_t(ms) * 1000;
    avformat_seek_file(format_.get(), -1, std::numeric_limits<std::int64_t>::min(), target, target, 0);
    if (sound_) sound_->reset();
    if (pictures_) pictures_->reset();
    soundConverter_.reset();
    lastPictureUs_.reset();
}

int MediaFile::damagedPackets() const {
    return cutShortPackets_ + (sound_ ? sound_->damagedPackets() : 0) + (pictures_ ? pictures_->damagedPackets() : 0);
}

bool MediaFile::decodeNext(Decoded& out, gfx::Size pictureSize) {
    if (const int err = av_read_frame(format_.get(), packet_.get()); err < 0) {
        if (err != AVERROR_EOF) readError_ = errorText(err);
        decodePacket(nullptr, out, pictureSize);  // the decoders give up what they still hold
        return false;
    }
    if (sound_ && packet_->stream_index == sound_->streamIndex()) {
        const AVCodecID codec = sound_->stream().codecpar->codec_id;
        if ((codec == AV_CODEC_ID_MP3 || codec == AV_CODEC_ID_MP2 || codec == AV_CODEC_ID_MP1) &&
            cutShortMpegAudio(*packet_))
            ++cutShortPackets_;
    }
    decodePacket(packet_.get(), out, pictureSize);
    av_packet_unref(packet_.get());
    return true;
}

void MediaFile::decodePacket(const AVPacket* packet, Decoded& out, gfx::Size pictureSize) {
    if (sound_ && (!packet || packet->stream_index == sound_->streamIndex())) {
        sound_->decode(packet, [&](const AVFrame& frame) {
            SoundBlock block{std::nullopt, soundConverter_.convert(frame)};
            if (const auto us = sound_->startUs(frame))
                block.firstFrame = av_rescale(*us - originUs_, rate_, 1'000'000);
            if (!block.samples.empty()) out.sound.push_back(std::move(block));
        });
    }
    if (pictures_ && (!packet || packet->stream_index == pictures_->streamIndex())) {
        pictures_->decode(packet, [&](const AVFrame& frame) {
            if (pictureSize.width <= 0 || pictureSize.height <= 0) return;
            Picture picture{0, pictureConverter_.convert(frame, pictureSize)};
            // A picture that does not say when it starts (some decoders give up their last one so)
            // follows the one before it, rather than standing at the start of the file.
            std::optional<std::int64_t> us = pictures_->startUs(frame);
            if (!us && lastPictureUs_) us = *lastPictureUs_ + pictureIntervalUs_;
            lastPictureUs_ = us;
            if (us)
                picture.ms = std::int32_t(
                    std::clamp<std::int64_t>((*us - originUs_) / 1000, 0, std::numeric_limits<std::int32_t>::max()));
            if (!picture.image.empty()) out.pictures.push_back(std::move(picture));
        });
    }
}

}  // namespace vemra::media
