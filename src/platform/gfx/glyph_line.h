#pragma once

#include <bitset>
#include <string_view>

namespace vemra::gfx {

class Canvas;

// Byte codes drawn at the pen without moving it: marks that sit over a neighbouring letter.
using ZeroAdvanceCodes = std::bitset<256>;

// The marks of the reading screens' fonts: codes 195 to 222.
ZeroAdvanceCodes standardZeroAdvanceCodes();

// Draws a line ending at x0, taking the bytes from last to first: an ordinary code moves the pen
// left by its advance and is drawn there, a zero-advance code is drawn at the pen. So the last
// byte's right edge is at x0, unless it is a mark, which overhangs to the right of x0.
void drawLineRightAligned(Canvas& canvas, std::string_view bytes, int x0, int y,
                          const ZeroAdvanceCodes& zeroAdvance);

// Draws a line starting at x0, first byte first: every code is drawn at the pen, and an ordinary
// code then moves the pen right by its advance.
void drawLineLeftAligned(Canvas& canvas, std::string_view bytes, int x0, int y,
                         const ZeroAdvanceCodes& zeroAdvance);

}  // namespace vemra::gfx
