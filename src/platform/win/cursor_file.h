#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/ui/cursor.h"

namespace vemra::win {

// Cursor files: a static ".cur" (or ".ico") file, of whose images the one closest to 32 x 32 is
// taken, or an animated ".ani" file, whose steps become the frames with their display times.
// Malformed input throws FormatError.
ui::CursorShape decodeCursorFile(std::span<const std::uint8_t> bytes);
ui::CursorShape readCursorFile(const std::filesystem::path& file);

// The longest animation accepted, in steps.
inline constexpr std::size_t maxCursorSteps = 4096;

}  // namespace vemra::win
