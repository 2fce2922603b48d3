#include "kit/contact_sheet.h"

#include <algorithm>

#include "kit/gen_art_paint.h"
#include "platform/gfx/png.h"

namespace vemra::kit {

namespace {

constexpr int columns = 4;
constexpr int shrink = 4;  // a 640 × 480 screen becomes 160 × 120
constexpr int gap = 8;
constexpr int labelHeight = 18;
constexpr gfx::Color paper{40, 40, 48};
constexpr gfx::Color ink{230, 230, 230};

// Each pixel of the small picture is the average of the block of the screenshot it stands for.
void drawShrunk(gfx::Bitmap& sheet, const gfx::Bitmap& shot, gfx::Point at) {
    for (int y = 0; y < shot.height() / shrink; ++y)
        for (int x = 0; x < shot.width() / shrink; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < shrink; ++dy)
                for (int dx = 0; dx < shrink; ++dx) {
                    const gfx::Color c = gfx::Color::fromPixel(shot.pixel(x * shrink + dx, y * shrink + dy));
                    r += c.r, g += c.g, b += c.b;
                }
            constexpr int n = shrink * shrink;
            sheet.setPixel(at.x + x, at.y + y, gfx::Color{std::uint8_t(r / n), std::uint8_t(g / n), std::uint8_t(b / n)}.pixel());
        }
}

}  // namespace

void writeContactSheet(const std::filesystem::path& out, std::span<const std::filesystem::path> shots) {
    constexpr int cellWidth = 640 / shrink, cellHeight = 480 / shrink + labelHeight;
    const int rows = (int(shots.size()) + columns - 1) / columns;
    gfx::Bitmap sheet(gap + columns * (cellWidth + gap), gap + rows * (cellHeight + gap), paper);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const gfx::Point at{gap + int(i % columns) * (cellWidth + gap), gap + int(i / columns) * (cellHeight + gap)};
        const gfx::Bitmap shot = gfx::readPng(shots[i]);
        if (shot.width() < 640 || shot.height() < 480) throw std::runtime_error(shots[i].string() + " is not a 640 × 480 screenshot");
        drawShrunk(sheet, shot, at);
        drawCentredText(sheet, {at.x, at.y + cellHeight - labelHeight, cellWidth, labelHeight}, shots[i].stem().string(), 13,
                        ink);
    }
    gfx::writePng(sheet, out);
}

}  // namespace vemra::kit
