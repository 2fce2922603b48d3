#include "kit/gen_cursors.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "kit/byte_buffer.h"

namespace vemra::kit {
namespace {

using gfx::Color;

// A blank 32 × 32 cursor: all pixels transparent.
CursorImage blankCursor(std::vector<Color> palette, int hotX, int hotY) {
    CursorImage image;
    image.palette = std::move(palette);
    image.hotX = hotX;
    image.hotY = hotY;
    image.pixels.assign(32 * 32, 0);
    image.transparent.assign(32 * 32, true);
    return image;
}

void setPixel(CursorImage& image, int x, int y, std::uint8_t index) {
    const std::size_t i = std::size_t(y * image.width + x);
    image.pixels[i] = index;
    image.transparent[i] = false;
}

// Draws rows of characters at (left, top): '.' leaves a pixel as it is, any other character is
// looked up in `legend` as "character, palette index" pairs.
void drawRows(CursorImage& image, int left, int top, std::initializer_list<std::string_view> rows,
              std::string_view legend) {
    int y = top;
    for (std::string_view row : rows) {
        for (std::size_t x = 0; x < row.size(); ++x) {
            if (row[x] == '.') continue;
            const std::size_t at = legend.find(row[x]);
            if (at == std::string_view::npos || at + 1 >= legend.size()) throw std::logic_error("unknown cursor pixel");
            setPixel(image, left + int(x), y, std::uint8_t(legend[at + 1] - '0'));
        }
        ++y;
    }
}

CursorImage handFrame(int frame) {
    static constexpr std::array<Color, 6> glow{{{255, 255, 255},
                                                {255, 244, 200},
                                                {255, 228, 150},
                                                {255, 210, 100},
                                                {255, 228, 150},
                                                {255, 244, 200}}};
    std::vector<Color> palette(16, gfx::colors::black);
    palette[1] = gfx::colors::white;
    palette[2] = glow[std::size_t(frame)];
    palette[3] = {255, 200, 0};
    constexpr int left = 7, top = 7, tipX = left + 6;
    CursorImage image = blankCursor(std::move(palette), tipX, top);
    drawRows(image, left, top,
             {"......##..........",
              ".....#*o#.........",
              ".....#*o#.........",
              ".....#*o#.........",
              ".....#*o#.........",
              ".....#*o###.......",
              ".....#*o#*o###....",
              ".....#*o#*o#*o##..",
              ".##..#*o#*o#*o#*#.",
              "#*o#.#*ooooooo#o#.",
              "#*oo##*ooooooooo#.",
              ".#*oo#ooooooooooo#",
              "..#*ooooooooooooo#",
              "..#*ooooooooooooo#",
              "...#*oooooooooooo#",
              "...#oooooooooooo#.",
              "....#ooooooooooo#.",
              "....#oooooooooo#..",
              ".....#ooooooooo#..",
              ".....#ooooooooo#..",
              ".....###########.."},
             "#0*1o2");
    // Rays from the fingertip, further out in each frame up to the fourth, none in the first and last.
    if (frame >= 1 && frame <= 4) {
        for (int d = frame; d < frame + 2; ++d) {
            setPixel(image, tipX, top - 1 - d, 3);
            setPixel(image, tipX + 1, top - 1 - d, 3);
            setPixel(image, tipX - 1 - d, top - d, 3);
            setPixel(image, tipX + 2 + d, top - d, 3);
        }
    }
    return image;
}

}  // namespace

CursorImage listCursor() {
    CursorImage image = blankCursor({gfx::colors::black, gfx::colors::white}, 0, 0);
    drawRows(image, 0, 0,
             {"#...........",
              "##..........",
              "#o#.........",
              "#oo#........",
              "#ooo#.......",
              "#oooo#......",
              "#ooooo#.....",
              "#oooooo#....",
              "#ooooooo#...",
              "#oooooooo#..",
              "#ooooo#####.",
              "#oo#oo#.....",
              "#o#.#oo#....",
              "##..#oo#....",
              "#....#oo#...",
              ".....#oo#...",
              "......#oo#..",
              "......#oo#..",
              ".......##..."},
             "#0o1");
    drawRows(image, 13, 13,
             {"################",
              "#oooooooooooooo#",
              "#o##o#########o#",
              "#oooooooooooooo#",
              "#o##o#########o#",
              "#oooooooooooooo#",
              "#o##o#########o#",
              "#oooooooooooooo#",
              "#o##o#########o#",
              "#oooooooooooooo#",
              "################"},
             "#0o1");
    return image;
}

AnimatedCursor handCursor() {
    AnimatedCursor cursor;
    for (int frame = 0; frame < 6; ++frame) cursor.frames.push_back(handFrame(frame));
    cursor.sequence = {0, 1, 2, 3, 4, 5, 4, 3, 2, 1};
    cursor.rates = {30, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    cursor.title = "VEMRA hand";
    cursor.author = "VEMRA demo content";
    return cursor;
}

void writeCursors(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "data1");
    writeBinaryFile(root / "data1" / "data2.cur", curFile(listCursor()));
    writeBinaryFile(root / "qem00.ani", aniFile(handCursor()));
}

}  // namespace vemra::kit
