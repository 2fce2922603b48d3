#pragma once

#include <optional>
#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/win/pe_module.h"

namespace vemra::content {

// A ".bmp" file of the content tree. Throws ContentError when it is missing or malformed.
gfx::Bitmap loadBitmapFile(std::string_view contentPath);

// A picture module of the content tree, or nothing when the file is missing. Throws ContentError
// when it is not a valid module.
std::optional<win::PeModule> openModule(std::string_view contentPath);

// Bitmap `name` of the picture module at `modulePath`, read and released at once: an empty bitmap
// when the module or the name is missing (what the Windows loader gives then). A malformed module
// or bitmap throws ContentError.
gfx::Bitmap loadModuleBitmap(std::string_view modulePath, std::string_view name);

}  // namespace vemra::content
