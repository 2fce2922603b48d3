#include "shell/builtin_cursor.h"

#include <array>
#include <string_view>

namespace vemra::shell {

namespace {

// '#' outline, '.' fill, ' ' transparent; the hot spot is the fingertip.
constexpr std::array<std::string_view, 22> hand{
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    " ## #..#..#..#.# ",
    "#..##........#.# ",
    "#...#..........# ",
    " #..#..........# ",
    "  #............# ",
    "  #............# ",
    "   #...........# ",
    "   #..........#  ",
    "    #.........#  ",
    "    #.........#  ",
    "     #.......#   ",
    "     #.......#   ",
    "     #########   ",
    "                 ",
};

}  // namespace

ui::CursorShape builtinHotspotCursor() {
    ui::CursorFrame frame;
    frame.width = 32;
    frame.height = 32;
    frame.hotspot = {5, 0};
    frame.argb.assign(32 * 32, 0);
    for (std::size_t y = 0; y < hand.size(); ++y)
        for (std::size_t x = 0; x < hand[y].size(); ++x) {
            const char c = hand[y][x];
            if (c == '#') frame.argb[y * 32 + x] = 0xff000000;
            if (c == '.') frame.argb[y * 32 + x] = 0xffffffff;
        }
    ui::CursorShape shape;
    shape.frames.push_back(std::move(frame));
    return shape;
}

}  // namespace vemra::shell
