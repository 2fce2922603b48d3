#pragma once

#include <filesystem>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// The program's icon, 256 × 256: a silver disc behind a turquoise dome with a golden finial on a
// night-blue tile.
gfx::Bitmap drawIcon();
void writeIcon(const std::filesystem::path& file);

}  // namespace vemra::kit
