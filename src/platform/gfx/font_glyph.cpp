#include "platform/gfx/font_glyph.h"

#include <algorithm>

#include FT_BITMAP_H

#include "platform/gfx/font.h"

namespace vemra::gfx {

namespace {

std::uint8_t mix(std::uint8_t from, std::uint8_t to, unsigned alpha) {
    return std::uint8_t((to * alpha + from * (255 - alpha) + 127) / 255);
}

Pixel blend(Pixel under, Color color, unsigned alpha) {
    const Color c = Color::fromPixel(under);
    return Color{mix(c.r, color.r, alpha), mix(c.g, color.g, alpha), mix(c.b, color.b, alpha)}.pixel();
}

}  // namespace

GlyphImage glyphFromSlot(const FT_GlyphSlotRec& slot, int ascent) {
    GlyphImage glyph;
    glyph.left = slot.bitmap_left;
    glyph.top = ascent - slot.bitmap_top;
    glyph.advance = int((slot.advance.x + 32) >> 6);

    // Any pixel mode (mono, 2/4/8-bit grey) comes out as one byte per pixel, 0..num_grays-1.
    FT_Bitmap grey;
    FT_Bitmap_Init(&grey);
    if (FT_Bitmap_Convert(slot.library, &slot.bitmap, &grey, 1) == 0 && grey.num_grays > 1) {
        glyph.width = int(grey.width);
        glyph.height = int(grey.rows);
        glyph.coverage.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
        const int stride = grey.pitch < 0 ? -grey.pitch : grey.pitch;
        const unsigned top = grey.num_grays - 1u;
        for (int y = 0; y < glyph.height; ++y) {
            const int memoryRow = grey.pitch < 0 ? glyph.height - 1 - y : y;
            const unsigned char* in = grey.buffer + std::size_t(memoryRow) * std::size_t(stride);
            std::uint8_t* out = glyph.coverage.data() + std::size_t(y) * std::size_t(glyph.width);
            for (int x = 0; x < glyph.width; ++x) out[x] = std::uint8_t(std::min(255u, in[x] * 255u / top));
        }
    }
    FT_Bitmap_Done(slot.library, &grey);
    return glyph;
}

GlyphImage doubleStruck(const GlyphImage& glyph) {
    GlyphImage bold = glyph;
    bold.width = glyph.width + 1;
    bold.advance = glyph.advance + 1;
    bold.coverage.assign(std::size_t(bold.width) * std::size_t(bold.height), 0);
    for (int y = 0; y < glyph.height; ++y) {
        const std::uint8_t* in = glyph.coverage.data() + std::size_t(y) * std::size_t(glyph.width);
        std::uint8_t* out = bold.coverage.data() + std::size_t(y) * std::size_t(bold.width);
        for (int x = 0; x < glyph.width; ++x) {
            out[x] = std::max(out[x], in[x]);
            out[x + 1] = in[x];
        }
    }
    return bold;
}

void paintGlyph(Bitmap& target, Rect clip, int x, int y, const GlyphImage& glyph, Color color) {
    const Rect box{x + glyph.left, y + glyph.top, glyph.width, glyph.height};
    const Rect area = box.intersected(clip).intersected(target.bounds());
    if (area.empty()) return;
    const Pixel solid = color.pixel();
    for (int py = area.top; py < area.bottom(); ++py) {
        const std::uint8_t* in = glyph.coverage.data() + std::size_t(py - box.top) * std::size_t(glyph.width);
        Pixel* out = target.row(py);
        for (int px = area.left; px < area.right(); ++px) {
            const unsigned alpha = in[px - box.left];
            if (alpha == 255) out[px] = solid;
            else if (alpha != 0) out[px] = blend(out[px], color, alpha);
        }
    }
}

void paintStyleLines(Bitmap& target, Rect clip, int x, int y, int width, int ascent, unsigned style, Color color) {
    clip = clip.intersected(target.bounds());
    // The baseline is the edge `ascent` rows below the cell top; the underline runs one row under it.
    if (style & styleUnderline) target.fill(Rect{x, y + ascent + 1, width, 1}.intersected(clip), color);
    if (style & styleStrikeOut) target.fill(Rect{x, y + ascent - ascent / 3, width, 1}.intersected(clip), color);
}

}  // namespace vemra::gfx
