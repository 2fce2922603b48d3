#include "platform/win/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/win/binary_reader.h"

namespace vemra::win {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::vector<std::uint8_t> readBinaryFile(const std::filesystem::path& file, const std::string& name) {
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

    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(info.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail("cannot read", std::strerror(errno));
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

}  // namespace vemra::win
