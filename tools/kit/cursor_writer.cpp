#include "kit/cursor_writer.h"

#include <span>
#include <stdexcept>
#include <string_view>

#include "kit/byte_buffer.h"

namespace vemra::kit {
namespace {

// A RIFF chunk: tag, size, body, and a pad byte when the size is odd.
void chunk(ByteBuffer& out, std::string_view fourCc, std::span<const std::uint8_t> body) {
    out.text(fourCc);
    out.u32(std::uint32_t(body.size()));
    out.append(body);
    out.alignTo(2);
}

int bitsPerPixel(const CursorImage& image) {
    if (image.palette.size() <= 2) return 1;
    if (image.palette.size() <= 16) return 4;
    return 8;
}

std::size_t rowBytes(int width, int bits) { return (std::size_t(width) * std::size_t(bits) + 31) / 32 * 4; }

void check(const CursorImage& image) {
    const std::size_t count = std::size_t(image.width) * std::size_t(image.height);
    if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256)
        throw std::invalid_argument("cursor size out of range");
    if (image.palette.empty() || image.palette.size() > 256 || image.palette.front() != gfx::colors::black)
        throw std::invalid_argument("cursor palette must start with black and hold at most 256 colours");
    if (image.pixels.size() != count || image.transparent.size() != count)
        throw std::invalid_argument("cursor pixels and mask must cover the image");
    for (std::uint8_t index : image.pixels)
        if (index >= image.palette.size()) throw std::invalid_argument("cursor pixel outside the palette");
    if (image.hotX < 0 || image.hotX >= image.width || image.hotY < 0 || image.hotY >= image.height)
        throw std::invalid_argument("cursor hot spot outside the image");
}

// BITMAPINFOHEADER, colour table, colour bits and mask bits, both bottom-up.
std::vector<std::uint8_t> dib(const CursorImage& image) {
    const int bits = bitsPerPixel(image);
    const std::size_t colourRow = rowBytes(image.width, bits), maskRow = rowBytes(image.width, 1);
    const std::size_t w = std::size_t(image.width), h = std::size_t(image.height);
    std::vector<std::uint8_t> colour(colourRow * h, 0), mask(maskRow * h, 0);
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t fileRow = h - 1 - y;
        for (std::size_t x = 0; x < w; ++x) {
            const std::size_t i = y * w + x;
            if (image.transparent[i]) {
                mask[fileRow * maskRow + x / 8] |= std::uint8_t(0x80 >> (x % 8));
                continue;  // colour bits stay 0, palette entry 0 is black
            }
            const std::size_t bit = x * std::size_t(bits);
            colour[fileRow * colourRow + bit / 8] |= std::uint8_t(image.pixels[i] << (8 - bits - int(bit % 8)));
        }
    }
    ByteBuffer out;
    out.u32(40);
    out.u32(std::uint32_t(image.width));
    out.u32(std::uint32_t(2 * image.height));  // colour and mask halves
    out.u16(1);
    out.u16(std::uint16_t(bits));
    out.u32(0);
    out.u32(std::uint32_t(colour.size() + mask.size()));
    out.zeros(16);  // resolution and colour counts
    for (std::size_t i = 0; i < (std::size_t(1) << bits); ++i) {
        const gfx::Color c = i < image.palette.size() ? image.palette[i] : gfx::colors::black;
        const std::uint8_t quad[] = {c.b, c.g, c.r, 0};
        out.append(quad);
    }
    out.append(colour);
    out.append(mask);
    return out.bytes();
}

}  // namespace

std::vector<std::uint8_t> curFile(const CursorImage& image) {
    check(image);
    const std::vector<std::uint8_t> picture = dib(image);
    const int bits = bitsPerPixel(image);
    ByteBuffer out;
    out.u16(0);  // ICONDIR: reserved, type 2 (cursor), one entry
    out.u16(2);
    out.u16(1);
    out.u8(std::uint8_t(image.width));  // 256 is written as 0
    out.u8(std::uint8_t(image.height));
    out.u8(bits < 8 ? std::uint8_t(1 << bits) : 0);  // colour count, 0 for 256
    out.u8(0);
    out.u16(std::uint16_t(image.hotX));
    out.u16(std::uint16_t(image.hotY));
    out.u32(std::uint32_t(picture.size()));
    out.u32(6 + 16);
    out.append(picture);
    return out.bytes();
}

std::vector<std::uint8_t> aniFile(const AnimatedCursor& cursor) {
    const std::size_t steps = cursor.sequence.size();
    if (cursor.frames.empty() || steps == 0 || cursor.rates.size() != steps)
        throw std::invalid_argument("an animated cursor needs frames, and one rate per sequence step");
    for (std::uint32_t frame : cursor.sequence)
        if (frame >= cursor.frames.size()) throw std::invalid_argument("sequence step names a missing frame");

    const auto zeroTerminated = [](const std::string& s) {
        std::vector<std::uint8_t> bytes(s.begin(), s.end());
        bytes.push_back(0);
        return bytes;
    };
    ByteBuffer info;
    info.text("INFO");
    chunk(info, "INAM", zeroTerminated(cursor.title));
    chunk(info, "IART", zeroTerminated(cursor.author));

    ByteBuffer header;
    header.u32(36);
    header.u32(std::uint32_t(cursor.frames.size()));
    header.u32(std::uint32_t(steps));
    header.zeros(16);  // size, bit count and planes: the frames give them
    header.u32(cursor.rates.front());
    header.u32(1 | 2);  // the frames are cursor files; a sequence is present

    ByteBuffer rates, sequence, frames;
    for (std::uint32_t r : cursor.rates) rates.u32(r);
    for (std::uint32_t s : cursor.sequence) sequence.u32(s);
    frames.text("fram");
    for (const CursorImage& frame : cursor.frames) chunk(frames, "icon", curFile(frame));

    ByteBuffer body;
    body.text("ACON");
    chunk(body, "LIST", info.bytes());
    chunk(body, "anih", header.bytes());
    chunk(body, "rate", rates.bytes());
    chunk(body, "seq ", sequence.bytes());
    chunk(body, "LIST", frames.bytes());

    ByteBuffer file;
    chunk(file, "RIFF", body.bytes());
    return file.bytes();
}

}  // namespace vemra::kit
