#pragma once

#include <filesystem>
#include <optional>

#include "platform/gfx/bitmap.h"

namespace vemra::ui {

// Where the user keeps pictures: $XDG_PICTURES_DIR, else ~/Pictures; nothing without either.
std::optional<std::filesystem::path> picturesDirectory();

// Saves a picture of the display as "vemra-YYYYMMDD-HHMMSS.png" (with "-2", "-3" … when that name
// is taken) in the pictures directory, creating it when missing, and says where in the trace.
// A picture that cannot be saved is reported in the trace only: the program goes on.
void saveScreenshot(const gfx::Bitmap& display);

}  // namespace vemra::ui
