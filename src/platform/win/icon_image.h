#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/ui/cursor.h"

namespace vemra::win {

// The largest cursor image accepted, the limit of the icon directory formats.
inline constexpr int maxCursorSide = 256;

// One image of an icon or cursor: a DIB with its AND mask, or a PNG stream. The hot spot is kept
// inside the image. Throws FormatError when the image is malformed or larger than maxCursorSide.
ui::CursorFrame decodeCursorImage(std::span<const std::uint8_t> image, gfx::Point hotspot);

// What an icon directory says of each of its images.
struct ImageChoice {
    int width = 0;
    int height = 0;
    int bitCount = 0;
};

// The index of the image closest to 32 x 32 (the deeper one of equally close images);
// `choices` must not be empty.
std::size_t preferredImage(const std::vector<ImageChoice>& choices);

}  // namespace vemra::win
