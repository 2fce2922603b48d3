#pragma once

#include <optional>

#include "platform/ui/cursor.h"
#include "platform/win/pe_module.h"

namespace vemra::win {

// A cursor resource of a module (a group cursor and the cursor image it lists closest to 32 x 32),
// or nothing when the module has no such group. A malformed resource throws FormatError.
std::optional<ui::CursorShape> moduleCursor(const PeModule& module, const ResourceId& name);

}  // namespace vemra::win
