#pragma once

#include <cstdint>

#include "platform/media/ffmpeg_handles.h"
#include "platform/media/media_source.h"
#include "platform/win/file_descriptor.h"

namespace vemra::media {

// FFmpeg's input for a media source: an I/O context that reads the source's byte range of its file
// with positioned reads, so that a file inside a disc image streams from the image. Throws
// MediaError when the file cannot be opened or the range lies outside it.
class MediaInput {
public:
    explicit MediaInput(const MediaSource& source);
    ~MediaInput();
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    AVIOContext* context() const { return context_; }

private:
    static int read(void* self, std::uint8_t* buffer, int size);
    static std::int64_t seek(void* self, std::int64_t offset, int whence);

    win::FileDescriptor fd_;
    std::uint64_t start_ = 0;
    std::uint64_t length_ = 0;
    std::uint64_t position_ = 0;  // from start_
    AVIOContext* context_ = nullptr;
};

}  // namespace vemra::media
