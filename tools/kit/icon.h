#pragma once

#include <filesystem>

#include "platform/gfx/bitmap.h"

namespace vemra::kit {

// The program's icon: a silver disc behind a turquoise dome with a golden finial on a night-blue
// tile, `size` pixels square with smooth edges. The sizes it draws divide 768 (256, 128, 64, 48 …).
gfx::Bitmap drawIcon(int size);
void writeIcon(const std::filesystem::path& file, int size);

}  // namespace vemra::kit
