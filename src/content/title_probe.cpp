#include "content/title_probe.h"

#include "content/content_path.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

namespace vemra::content {

namespace {

constexpr std::string_view titleFolder = "data1";
constexpr std::uint64_t sectorSize = 2048;
constexpr std::uint64_t firstDescriptorSector = 16;
constexpr int maxDescriptors = 16;
// A title's root holds a handful of entries; a root larger than this is looked at only this far.
constexpr std::uint64_t maxRootBytes = 8 * sectorSize;

bool namesTitleFolder(std::string_view name) { return sameIgnoringCase(name, titleFolder); }

std::uint32_t littleEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

TitleProbe noTitle(const std::filesystem::path& where, const std::string& reason) {
    return {false, where.string() + ": " + reason};
}

// Whether the directory records in `dir` name a data1 directory. A zero length byte pads to the
// next sector; a record that does not fit ends the look.
bool recordsNameTitleFolder(std::span<const std::uint8_t> dir) {
    std::size_t at = 0;
    while (at < dir.size()) {
        const std::size_t length = dir[at];
        if (length == 0) {
            at = (at / sectorSize + 1) * sectorSize;
            continue;
        }
        if (length < 34 || at + length > dir.size()) return false;
        const bool directory = dir[at + 25] & 2;
        const std::size_t nameLength = dir[at + 32];
        if (33 + nameLength <= length && directory &&
            namesTitleFolder({reinterpret_cast<const char*>(dir.data() + at + 33), nameLength}))
            return true;
        at += length;
    }
    return false;
}

}  // namespace

TitleProbe probeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (namesTitleFolder(it->path().filename().string()) && it->is_directory(error)) return {true, {}};
    if (error) return noTitle(folder, error.message());
    return noTitle(folder, "no title here (it has no data1 folder)");
}

TitleProbe probeDiscImage(const std::filesystem::path& image) {
    std::ifstream in(image, std::ios::binary);
    if (!in) return noTitle(image, std::strerror(errno));
    const auto readAt = [&](std::uint64_t offset, std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        in.clear();
        in.seekg(std::streamoff(offset));
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
        bytes.resize(std::size_t(in.gcount()));
        return bytes;
    };
    for (int i = 0; i < maxDescriptors; ++i) {
        const auto descriptor = readAt((firstDescriptorSector + std::uint64_t(i)) * sectorSize, sectorSize);
        if (descriptor.size() < sectorSize || std::memcmp(descriptor.data() + 1, "CD001", 5) != 0)
            return noTitle(image, "not a disc image (no ISO 9660 volume descriptor)");
        if (descriptor[0] == 255) break;
        if (descriptor[0] != 1) continue;
        const std::uint64_t blockSize = std::uint64_t(descriptor[128]) | std::uint64_t(descriptor[129]) << 8;
        const std::uint64_t rootExtent = littleEndian32(descriptor, 156 + 2);
        const std::uint64_t rootSize = littleEndian32(descriptor, 156 + 10);
        if (blockSize == 0) return noTitle(image, "not a disc image (its block size is 0)");
        const auto root = readAt(rootExtent * blockSize, std::size_t(std::min(rootSize, maxRootBytes)));
        if (recordsNameTitleFolder(root)) return {true, {}};
        return noTitle(image, "no title on this disc image (it has no data1 folder)");
    }
    return noTitle(image, "not a disc image (no primary volume descriptor)");
}

TitleProbe probeLocation(const std::filesystem::path& location) {
    std::error_code error;
    const auto status = std::filesystem::status(location, error);
    if (error) return noTitle(location, error.message());
    if (std::filesystem::is_directory(status)) return probeFolder(location);
    if (std::filesystem::is_regular_file(status)) return probeDiscImage(location);
    return noTitle(location, "neither a folder nor a disc image");
}

}  // namespace vemra::content
