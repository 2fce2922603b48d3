#include "platform/win/cursor_file.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"
#include "platform/win/icon_image.h"

namespace vemra::win {
namespace {

constexpr std::uint32_t fourcc(const char (&s)[5]) {
    return std::uint32_t(std::uint8_t(s[0])) | (std::uint32_t(std::uint8_t(s[1])) << 8) |
           (std::uint32_t(std::uint8_t(s[2])) << 16) | (std::uint32_t(std::uint8_t(s[3])) << 24);
}

constexpr std::uint16_t iconType = 1, cursorType = 2;
constexpr std::uint32_t framesAreIcons = 1;  // the "anih" flag without which frames are raw bitmaps
constexpr std::uint64_t maxAnimationPixels = std::uint64_t(1) << 24;

// An icon directory: a 6-byte header and 16-byte entries (width, height, colours, reserved,
// hot spot or planes and bit count, size, offset). Icons have no hot spot; theirs is the top left.
ui::CursorFrame decodeIconDirectory(const BinaryReader& r) {
    const std::uint16_t type = r.u16(2);
    if (r.u16(0) != 0 || (type != iconType && type != cursorType)) r.fail("not a cursor or icon file");
    const std::size_t count = r.u16(4);
    if (count == 0) r.fail("no images");
    std::vector<ImageChoice> choices(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + i * 16;
        const int w = r.u8(e), h = r.u8(e + 1);
        choices[i] = {w ? w : 256, h ? h : 256, type == iconType ? r.u16(e + 6) : 0};
    }
    const std::size_t e = 6 + preferredImage(choices) * 16;
    const gfx::Point hotspot = type == cursorType ? gfx::Point{r.u16(e + 4), r.u16(e + 6)} : gfx::Point{};
    return decodeCursorImage(r.bytes(r.u32(e + 12), r.u32(e + 8)), hotspot);
}

// The chunks of a RIFF body: id, size, data padded to an even length.
template <class Visit>
void forEachChunk(const BinaryReader& r, std::size_t begin, std::size_t end, Visit&& visit) {
    for (std::size_t p = begin; p + 8 <= end;) {
        const std::uint32_t id = r.u32(p), size = r.u32(p + 4);
        if (size > end - p - 8) r.fail("chunk at offset " + std::to_string(p) + " runs past its container");
        visit(id, p + 8, std::size_t(size));
        p += 8 + std::size_t(size) + (size & 1);
    }
}

std::vector<std::uint32_t> readDwords(const BinaryReader& r, std::size_t at, std::size_t size) {
    std::vector<std::uint32_t> values(size / 4);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = r.u32(at + 4 * i);
    return values;
}

// An animated cursor: RIFF "ACON" with an "anih" header (frames, steps, rate in 1/60 s, flags),
// optional "rate" and "seq " tables per step, and the frames as "icon" chunks of a LIST "fram".
ui::CursorShape decodeAnimated(const BinaryReader& r) {
    if (r.u32(8) != fourcc("ACON")) r.fail("a RIFF file that is not an animated cursor");
    const std::size_t end = std::min<std::size_t>(r.size(), std::size_t(r.u32(4)) + 8);
    std::optional<std::size_t> header;
    std::vector<std::uint32_t> rates, sequence;
    std::vector<std::pair<std::size_t, std::size_t>> icons;
    forEachChunk(r, 12, end, [&](std::uint32_t id, std::size_t at, std::size_t size) {
        if (id == fourcc("anih")) {
            if (size < 36) r.fail("\"anih\" header too short");
            header = at;
        } else if (id == fourcc("rate")) {
            rates = readDwords(r, at, size);
        } else if (id == fourcc("seq ")) {
            sequence = readDwords(r, at, size);
        } else if (id == fourcc("LIST") && size >= 4 && r.u32(at) == fourcc("fram")) {
            forEachChunk(r, at + 4, at + size, [&](std::uint32_t sub, std::size_t subAt, std::size_t subSize) {
                if (sub == fourcc("icon")) icons.emplace_back(subAt, subSize);
            });
        }
    });
    if (!header) r.fail("no \"anih\" header");
    const std::size_t frameCount = r.u32(*header + 4), declaredSteps = r.u32(*header + 8);
    const std::uint32_t defaultRate = r.u32(*header + 28);
    if (!(r.u32(*header + 32) & framesAreIcons)) r.fail("frames that are not icons are not supported");
    if (frameCount == 0 || frameCount > icons.size())
        r.fail(std::to_string(frameCount) + " frames declared, " + std::to_string(icons.size()) + " present");

    const std::size_t steps = sequence.empty() ? frameCount : declaredSteps;
    if (steps == 0 || steps > maxCursorSteps || steps > (sequence.empty() ? frameCount : sequence.size()))
        r.fail("bad step count " + std::to_string(steps));
    std::vector<ui::CursorFrame> frames;
    for (std::size_t i = 0; i < frameCount; ++i)
        frames.push_back(withContext("frame " + std::to_string(i), [&] {
            return decodeIconDirectory(r.sub(icons[i].first, icons[i].second));
        }));

    ui::CursorShape shape;
    std::uint64_t pixels = 0;
    for (std::size_t s = 0; s < steps; ++s) {
        const std::size_t frame = sequence.empty() ? s : sequence[s];
        if (frame >= frameCount) r.fail("step " + std::to_string(s) + " shows missing frame " + std::to_string(frame));
        pixels += frames[frame].argb.size();
        if (pixels > maxAnimationPixels) r.fail("animation too large");
        const std::uint64_t jiffies = std::max<std::uint32_t>(1, s < rates.size() ? rates[s] : defaultRate);
        shape.frames.push_back(frames[frame]);
        shape.frameMs.push_back(int(std::min<std::uint64_t>((jiffies * 1000 + 30) / 60, 0x7FFFFFFF)));
    }
    return shape;
}

}  // namespace

ui::CursorShape decodeCursorFile(std::span<const std::uint8_t> bytes) {
    const BinaryReader r(bytes, "cursor file");
    if (r.has(0, 4) && r.u32(0) == fourcc("RIFF")) return decodeAnimated(r);
    ui::CursorShape shape;
    shape.frames.push_back(decodeIconDirectory(r));
    return shape;
}

ui::CursorShape readCursorFile(const std::filesystem::path& file) {
    const auto bytes = readBinaryFile(file);
    return withContext(file.string(), [&] { return decodeCursorFile(bytes); });
}

}  // namespace vemra::win
