#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

// Writers of small Windows bitmaps, cursors and modules for the readers' tests.
namespace vemra::testing {

// A growing little-endian byte buffer.
struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& u8(unsigned v) { return data.push_back(std::uint8_t(v)), *this; }
    Bytes& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& text(const std::string& s) { return append({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}); }
    Bytes& append(std::span<const std::uint8_t> b) { return data.insert(data.end(), b.begin(), b.end()), *this; }
    Bytes& zeros(std::size_t n) { return data.resize(data.size() + n), *this; }
    void put32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data.at(at + std::size_t(i)) = std::uint8_t(v >> (8 * i));
    }
    std::size_t size() const { return data.size(); }
};

// A DIB with a 40-byte info header: colour table entries as 0xRRGGBB, optional bit field masks
// written after the header, and the pixel bytes as given (rows padded by the caller).
struct DibSpec {
    int width = 0;
    int height = 0;  // negative: top-down
    int bits = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> masks;
    std::vector<std::uint8_t> pixels;
    std::uint32_t colorsUsed = 0;
};
std::vector<std::uint8_t> dib(const DibSpec& request);
// The DIB with a file header pointing at its pixels.
std::vector<std::uint8_t> bmpFile(const DibSpec& request);

// A 32 x 32 (or other size) cursor image whose pixels are all `argb` (alpha from the top byte),
// as a 32-bit DIB with an all-clear AND mask.
std::vector<std::uint8_t> argbIconImage(int width, int height, std::uint32_t argb);
// A cursor file (".cur") with one entry per image.
struct CursorImage {
    int width = 32;
    int height = 32;
    int hotX = 0;
    int hotY = 0;
    std::vector<std::uint8_t> data;
};
std::vector<std::uint8_t> curFile(const std::vector<CursorImage>& images);
// An animated cursor: "anih" (frames, steps, default rate, flags 1 = icon frames, + 2 with "seq "),
// optional "rate" and "seq " chunks, and the frames as "icon" chunks.
struct AniSpec {
    std::vector<std::vector<std::uint8_t>> frames;
    std::uint32_t defaultRate = 6;
    std::vector<std::uint32_t> rates;
    std::vector<std::uint32_t> sequence;
};
std::vector<std::uint8_t> aniFile(const AniSpec& request);

// A 32-bit module with one resource section at file offset 0x200 (RVA 0x1000); its resource
// directory starts with the root directory, then the type directories in order.
using ResourceKey = std::variant<std::uint16_t, std::string>;
struct ResourceSpec {
    ResourceKey type;
    ResourceKey name;
    std::vector<std::uint8_t> data;
    std::uint16_t language = 1033;
};
inline constexpr std::size_t resourceSectionOffset = 0x200;
std::vector<std::uint8_t> peModule(const std::vector<ResourceSpec>& resources);
// A string table block of 16 entries (UTF-16 from the given bytes, code units as given).
std::vector<std::uint8_t> stringBlock(const std::vector<std::u16string>& entries);

}  // namespace vemra::testing
