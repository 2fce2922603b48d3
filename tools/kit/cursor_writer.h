#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/color.h"

namespace vemra::kit {

// One cursor picture. Palette entry 0 must be black: transparent pixels are stored with it, which
// together with a set mask bit leaves the screen unchanged.
struct CursorImage {
    int width = 32;
    int height = 32;
    int hotX = 0;
    int hotY = 0;
    std::vector<gfx::Color> palette;       // up to 2, 16 or 256 entries: 1, 4 or 8 bits per pixel
    std::vector<std::uint8_t> pixels;      // palette index of each pixel, rows from the top
    std::vector<bool> transparent;         // the mask, one flag per pixel, rows from the top
};

// An animated cursor: its frames, and the steps that show them.
struct AnimatedCursor {
    std::vector<CursorImage> frames;
    std::vector<std::uint32_t> sequence;   // frame index of each step
    std::vector<std::uint32_t> rates;      // display time of each step in 1/60 s
    std::string title;
    std::string author;
};

// A static cursor file (.cur) holding one image. Throws std::invalid_argument on an inconsistent image.
std::vector<std::uint8_t> curFile(const CursorImage& image);
// An animated cursor file (.ani): RIFF "ACON" with an INFO list, "anih", "rate", "seq " and a
// "fram" list whose "icon" chunks are .cur files.
std::vector<std::uint8_t> aniFile(const AnimatedCursor& cursor);

}  // namespace vemra::kit
