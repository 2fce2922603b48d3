#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/cursor.h"

namespace vemra::content {

// The ".cur" or ".ani" file at the content path, or nothing when it is missing or does not load
// (the caller then keeps the cursor it has).
std::optional<ui::CursorShape> loadCursor(std::string_view contentPath);

}  // namespace vemra::content
