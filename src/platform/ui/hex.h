#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/color.h"

namespace vemra::ui {

// Bytes as lower-case hex, the form captions and texts take in a state report.
std::string hexBytes(std::string_view bytes);
// A colour as "#rrggbb".
std::string colorHex(gfx::Color c);

}  // namespace vemra::ui
