#pragma once

#include <string_view>

#include "platform/gfx/canvas.h"
#include "platform/gfx/glyph_line.h"

namespace vemra::parts {

// The right-aligned glyph line with every glyph drawn three times: black at its place, black
// 2 pixels right and down, then white 1 pixel right and down between them.
void drawShadowedLineRightAligned(gfx::Canvas& canvas, std::string_view bytes, int x0, int y,
                                  const gfx::ZeroAdvanceCodes& zeroAdvance);

}  // namespace vemra::parts
