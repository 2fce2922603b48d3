#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/media/ffmpeg_handles.h"
#include "platform/media/media_input.h"
#include "platform/media/media_source.h"
#include "platform/media/picture_converter.h"
#include "platform/media/sound_converter.h"
#include "platform/media/stream_decoder.h"

namespace vemra::media {

// A sound file plays only its sound (pictures in it, such as cover art, are ignored); a video file
// plays its sound and its pictures.
enum class MediaKind { sound, video };

// Decoded sound in the output's format; firstFrame is where it starts, in output frames from the
// start of the file, when the file says.
struct SoundBlock {
    std::optional<std::int64_t> firstFrame;
    std::vector<std::int16_t> samples;
};

// A decoded video picture and the millisecond from which it shows.
struct Picture {
    std::int32_t ms = 0;
    gfx::Bitmap image;
};

struct Decoded {
    std::vector<SoundBlock> sound;
    std::vector<Picture> pictures;
};

// An open media file, decoded packet by packet. Times count from the start of the file.
// Not thread-safe: one thread at a time.
class MediaFile {
public:
    // Opens `source` for output at `rate` frames a second and `channels` channels, pictures fitted as
    // `fit` says; throws MediaError
    // when the file cannot be read or holds nothing that can be decoded.
    MediaFile(const MediaSource& source, MediaKind kind, int rate, int channels,
              PictureFit fit = PictureFit::fill);

    std::int32_t lengthMs() const;
    bool hasSound() const { return sound_ != nullptr; }
    bool hasPictures() const { return pictures_ != nullptr; }

    // Goes to the last point where decoding can start at or before `ms`.
    void seek(std::int32_t ms);
    // Decodes the next packet into `out`, pictures scaled to `pictureSize` (none when it is empty).
    // Returns false once the file is exhausted.
    bool decodeNext(Decoded& out, gfx::Size pictureSize);
    // What went wrong so far: packets that could not be decoded or were cut short, and why reading stopped before the
    // end of the file, if it did.
    int damagedPackets() const;
    const std::string& readError() const { return readError_; }

private:
    void decodePacket(const AVPacket* packet, Decoded& out, gfx::Size pictureSize);
    bool usesStream(int index) const;
    std::int64_t declaredLengthUs() const;
    std::int64_t scannedLengthUs();

    int rate_;
    std::unique_ptr<MediaInput> input_;  // outlives format_, which reads through it
    FormatPtr format_;
    PacketPtr packet_;
    std::unique_ptr<StreamDecoder> sound_;
    std::unique_ptr<StreamDecoder> pictures_;
    SoundConverter soundConverter_;
    PictureConverter pictureConverter_;
    std::int64_t originUs_ = 0;
    std::int64_t lengthUs_ = 0;
    std::string readError_;
    int cutShortPackets_ = 0;
    std::int64_t pictureIntervalUs_ = 0;
    std::optional<std::int64_t> lastPictureUs_;  // when the last picture decoded starts
};

}  // namespace vemra::media
