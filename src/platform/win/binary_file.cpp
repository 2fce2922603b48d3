#include "platform/win/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/win/binary_reader.h"
#include "platform/win/file_descriptor.h"

namespace vemra::win {

std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file, const std::string& name,
                                         std::optional<FileRange> range, std::uint64_t maxBytes) {
    const std::string shown = name.empty() ? file.string() : name;
    const auto fail = [&](const std::string& verb, const std::string& why) {
        throw FormatError(verb + " " + shown + ": " + why);
    };
    // Non-blocking, so that a FIFO in place of a file is refused instead of waiting for a writer.
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) fail("cannot open", std::strerror(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) fail("cannot read", std::strerror(errno));
    if (S_ISDIR(info.st_mode)) fail("cannot open", "is a directory");
    if (!S_ISREG(info.st_mode)) fail("cannot open", "is not a regular file");
    const auto size = std::uint64_t(info.st_size);
    if (range && (range->offset > size || range->length > size - range->offset))
        fail("cannot read", "it lies past the end of what holds it");
    const std::uint64_t wanted = range ? range->length : size;
    if (wanted > maxBytes)
        throw TooLargeError(shown + ": " + std::to_string(wanted) + " bytes, more than " + std::to_string(maxBytes), wanted);
    std::uint64_t at = range ? range->offset : 0;
    // A file that grows while it is read stops just past the bound.
    std::uint64_t left = range ? range->length : maxBytes == UINT64_MAX ? UINT64_MAX : maxBytes + 1;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(wanted));
    std::uint8_t buffer[65536];
    while (left > 0) {
        const ssize_t n = ::pread(fd.get(), buffer, std::size_t(std::min<std::uint64_t>(sizeof buffer, left)), off_t(at));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail("cannot read", std::strerror(errno));
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
        at += std::uint64_t(n);
        left -= std::uint64_t(n);
    }
    if (range && left > 0) fail("cannot read", "it lies past the end of what holds it");
    if (bytes.size() > maxBytes)
        throw TooLargeError(shown + ": more than " + std::to_string(maxBytes) + " bytes", bytes.size());
    return bytes;
}

}  // namespace vemra::win
