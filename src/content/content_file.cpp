#include "content/content_file.h"

#include <array>
#include <cstdio>
#include <new>

#include "content/content_error.h"
#include "content/content_source.h"
#include "platform/win/binary_file.h"

namespace vemra::content {
namespace {

struct Limit {
    std::uint64_t maxBytes;
    std::string_view name;
};

constexpr std::uint64_t MiB = 1 << 20;

// Indexed by FileKind. A text or field file of a title holds some hundred kilobytes; a picture
// module a few dozen pictures of 640 × 480; a bitmap one screen; a raster font or a cursor a few
// kilobytes.
constexpr std::array<Limit, 5> limits{{
    {16 * MiB, "a text file"},
    {64 * MiB, "a picture module"},
    {32 * MiB, "a bitmap"},
    {4 * MiB, "a font"},
    {1 * MiB, "a cursor"},
}};

std::uint64_t maxBytes(FileKind kind) { return limits[std::size_t(kind)].maxBytes; }

std::string_view kindName(FileKind kind) { return limits[std::size_t(kind)].name; }

}  // namespace

std::string readableSize(std::uint64_t bytes) {
    constexpr std::array<const char*, 4> units{"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024) return std::to_string(bytes) + " bytes";
    double value = double(bytes) / 1024;
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < units.size()) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

std::string readableBound(std::uint64_t bytes) { return std::to_string(bytes / MiB) + " MiB"; }

std::vector<std::uint8_t> readContentFile(std::string_view contentPath, FileKind kind) {
    const std::string name(contentPath);
    try {
        return contentSource().read(contentPath, maxBytes(kind));
    } catch (const win::TooLargeError& e) {
        throw ContentError(name + ": " + readableSize(e.size()) + ", more than the " + readableBound(maxBytes(kind)) +
                           " " + std::string(kindName(kind)) + " may be");
    } catch (const std::bad_alloc&) {
        throw ContentError(name + ": not enough memory to read it");
    }
}

}  // namespace vemra::content
