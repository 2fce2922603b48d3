#include "kit/fnt_font.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "kit/byte_buffer.h"

namespace vemra::kit {

namespace {

constexpr int dotsPerInch = 96;
constexpr std::uint8_t variablePitch = 0x01;
constexpr std::uint32_t oneColourProportional = 0x10 | 0x02;  // version 3 flags

void check(const BitmapFace& face) {
    const auto fail = [&](const std::string& what) { throw std::invalid_argument("font " + face.name + ": " + what); };
    if (face.pixelHeight <= 0 || face.ascent < 0 || face.ascent > face.pixelHeight) fail("bad height or ascent");
    if (face.glyphs.empty() || face.firstChar + face.glyphs.size() > 256) fail("glyph codes out of 0..255");
    const std::size_t last = face.firstChar + face.glyphs.size() - 1;
    if (face.defaultChar < face.firstChar || face.defaultChar > last || face.breakChar < face.firstChar ||
        face.breakChar > last)
        fail("default or break character outside the font");
    for (const GlyphBitmap& g : face.glyphs)
        if (g.width < 1 || g.width > 0xFFFF || g.ink.size() != std::size_t(g.width) * std::size_t(face.pixelHeight))
            fail("glyph of bad size");
}

// FNT bitmaps run down columns 8 pixels wide, leftmost pixel in the top bit.
std::vector<std::uint8_t> columns(const GlyphBitmap& glyph, int height) {
    std::vector<std::uint8_t> bytes;
    for (int x0 = 0; x0 < glyph.width; x0 += 8) {
        for (int y = 0; y < height; ++y) {
            std::uint8_t byte = 0;
            for (int x = x0; x < std::min(x0 + 8, glyph.width); ++x)
                if (glyph.ink[std::size_t(y) * std::size_t(glyph.width) + std::size_t(x)])
                    byte |= std::uint8_t(0x80 >> (x - x0));
            bytes.push_back(byte);
        }
    }
    return bytes;
}

}  // namespace

int nominalPointSize(const BitmapFace& face) {
    return int(std::lround(double(face.pixelHeight - face.internalLeading) * 72 / dotsPerInch));
}

std::vector<std::uint8_t> fntResource(const BitmapFace& face) {
    check(face);
    const std::size_t count = face.glyphs.size();

    std::vector<std::uint8_t> bits;
    std::vector<std::uint32_t> bitsOffset(count);  // relative to the start of the bitmaps
    std::map<GlyphBitmap, std::uint32_t> stored;
    for (std::size_t i = 0; i < count; ++i) {
        const auto [it, added] = stored.emplace(face.glyphs[i], std::uint32_t(bits.size()));
        if (added) {
            const auto data = columns(face.glyphs[i], face.pixelHeight);
            bits.insert(bits.end(), data.begin(), data.end());
        }
        bitsOffset[i] = it->second;
    }

    // One more table entry than glyphs: the absolute space, drawn as the break character.
    const std::size_t entries = count + 1;
    const auto sizeAs = [&](std::size_t header, std::size_t entry) {
        return header + entries * entry + bits.size() + face.name.size() + 1;
    };
    const bool version3 = sizeAs(118, 4) > 0xFFFF;
    const std::size_t header = version3 ? 148 : 118, entry = version3 ? 6 : 4;
    const std::size_t bitsStart = header + entries * entry;
    const std::size_t total = sizeAs(header, entry);
    if (total > 0xFFFFFFFFu) throw std::invalid_argument("font " + face.name + " is too large");

    int widthSum = 0, maxWidth = 0;
    for (const GlyphBitmap& g : face.glyphs) {
        widthSum += g.width;
        maxWidth = std::max(maxWidth, g.width);
    }
    const auto rowBytes = std::uint16_t(((bits.size() / std::size_t(face.pixelHeight)) + 1) & ~std::size_t(1));

    ByteBuffer out;
    out.u16(version3 ? 0x300 : 0x200);
    out.u32(std::uint32_t(total));
    out.fixedText(face.copyright, 60);
    out.u16(0);  // raster font
    out.u16(std::uint16_t(nominalPointSize(face)));
    out.u16(dotsPerInch);
    out.u16(dotsPerInch);
    out.u16(std::uint16_t(face.ascent));
    out.u16(std::uint16_t(face.internalLeading));
    out.u16(0);                                        // external leading
    out.u8(0), out.u8(0), out.u8(0);                   // italic, underline, strike-out
    out.u16(std::uint16_t(face.weight));
    out.u8(face.charset);
    out.u16(0);                                        // proportional: no fixed width
    out.u16(std::uint16_t(face.pixelHeight));
    out.u8(variablePitch);
    out.u16(std::uint16_t((widthSum + int(count) / 2) / int(count)));
    out.u16(std::uint16_t(maxWidth));
    out.u8(face.firstChar);
    out.u8(std::uint8_t(face.firstChar + count - 1));
    out.u8(std::uint8_t(face.defaultChar - face.firstChar));
    out.u8(std::uint8_t(face.breakChar - face.firstChar));
    out.u16(rowBytes);
    out.u32(0);                                        // no device name
    out.u32(std::uint32_t(bitsStart + bits.size()));   // face name
    out.u32(0);                                        // bits pointer, set when loaded
    out.u32(std::uint32_t(bitsStart));
    out.u8(0);
    if (version3) {
        out.u32(oneColourProportional);
        out.zeros(2 * 3 + 4 + 16);                     // A, B, C spaces, colour table, reserved
    }
    const auto putEntry = [&](std::size_t glyph) {
        out.u16(std::uint16_t(face.glyphs[glyph].width));
        const std::uint32_t offset = std::uint32_t(bitsStart) + bitsOffset[glyph];
        if (version3)
            out.u32(offset);
        else
            out.u16(std::uint16_t(offset));
    };
    for (std::size_t i = 0; i < count; ++i) putEntry(i);
    putEntry(std::size_t(face.breakChar - face.firstChar));
    out.append(bits);
    out.text(face.name);
    out.u8(0);
    return out.bytes();
}

}  // namespace vemra::kit
