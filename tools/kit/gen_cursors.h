#pragma once

#include <filesystem>

#include "kit/cursor_writer.h"

namespace vemra::kit {

// The list cursor: an arrow with a small list beside it, black and white, hot spot at the arrow's tip.
CursorImage listCursor();
// The hotspot cursor: a pointing hand whose colour glows and from whose fingertip rays grow and
// fade, six 16-colour frames shown back and forth; hot spot at the fingertip.
AnimatedCursor handCursor();

// Writes "data1\data2.cur" and "qem00.ani".
void writeCursors(const std::filesystem::path& root);

}  // namespace vemra::kit
