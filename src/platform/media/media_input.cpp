#include "platform/media/media_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "platform/media/media_error.h"

namespace vemra::media {

namespace {
constexpr int bufferSize = 64 * 1024;
}

MediaInput::MediaInput(const MediaSource& source)
    : fd_(::open(source.file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)), start_(source.offset) {
    if (fd_.get() < 0) throw MediaError(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd_.get(), &info) != 0 || !S_ISREG(info.st_mode)) throw MediaError("not a regular file");
    const auto fileSize = std::uint64_t(info.st_size);
    length_ = source.length.value_or(fileSize > start_ ? fileSize - start_ : 0);
    if (start_ > fileSize || length_ > fileSize - start_) throw MediaError("it lies past the end of what holds it");
    auto* buffer = static_cast<unsigned char*>(av_malloc(bufferSize));
    context_ = buffer ? avio_alloc_context(buffer, bufferSize, 0, this, &MediaInput::read, nullptr, &MediaInput::seek)
                      : nullptr;
    if (!context_) {
        av_free(buffer);
        throw std::bad_alloc();
    }
}

MediaInput::~MediaInput() {
    av_freep(&context_->buffer);
    avio_context_free(&context_);
}

int MediaInput::read(void* self, std::uint8_t* buffer, int size) {
    auto& in = *static_cast<MediaInput*>(self);
    const auto wanted = std::size_t(std::min<std::uint64_t>(std::uint64_t(std::max(size, 0)), in.length_ - in.position_));
    if (wanted == 0) return AVERROR_EOF;
    ssize_t n;
    do {
        n = ::pread(in.fd_.get(), buffer, wanted, off_t(in.start_ + in.position_));
    } while (n < 0 && errno == EINTR);
    if (n < 0) return AVERROR(errno);
    if (n == 0) return AVERROR_EOF;
    in.position_ += std::uint64_t(n);
    return int(n);
}

std::int64_t MediaInput::seek(void* self, std::int64_t offset, int whence) {
    auto& in = *static_cast<MediaInput*>(self);
    const auto length = std::int64_t(in.length_);
    std::int64_t target;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE: return length;
    case SEEK_SET: target = offset; break;
    case SEEK_CUR: target = std::int64_t(in.position_) + offset; break;
    case SEEK_END: target = length + offset; break;
    default: return AVERROR(EINVAL);
    }
    if (target < 0 || target > length) return AVERROR(EINVAL);
    in.position_ = std::uint64_t(target);
    return target;
}

}  // namespace vemra::media
