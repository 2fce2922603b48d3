#pragma once

#include "platform/gfx/color.h"

namespace vemra::parts {

// The colours of list rows, reading text and player pages.
inline constexpr gfx::Color yellow{255, 255, 0};
inline constexpr gfx::Color red{255, 0, 0};
inline constexpr gfx::Color white{255, 255, 255};

}  // namespace vemra::parts
