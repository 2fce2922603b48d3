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

}  // namespace

void writeContactSheet(const std::filesystem::path& out, std::span<const std::filesystem::path> shots) {
    constexpr int cellWidth = 640 / shrink, cellHeight = 480 / shrink + labelHeight;
    const int rows = (int(shots.size()) + columns - 1) / columns;
    gfx::Bitmap sheet(gap + columns * (cellWidth + gap), gap + rows * (cellHeight + gap), paper);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const gfx::Point at{gap + int(i % columns) * (cellWidth + gap), gap + int(i / columns) * (cellHeight + gap)};
        const gfx::Bitmap shot = gfx::readPng(shots[i]);
        if (shot.width() < 640 || shot.height() < 480) throw std::runtime_error(shots[i].string() + " is not a 640 × 480 screenshot");
        const gfx::Bitmap small = shrunk(shot, shrink);
        sheet.copyFrom(small, small.bounds(), at);
        drawCentredText(sheet, {at.x, at.y + cellHeight - labelHeight, cellWidth, labelHeight}, shots[i].stem().string(), 13,
                        ink);
    }
    gfx::writePng(sheet, out);
}

}  // namespace vemra::kit
