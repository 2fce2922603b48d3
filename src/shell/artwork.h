#pragma once

#include <string_view>

#include "platform/ui/picture.h"
#include "shell/design_builder.h"

namespace vemra::shell {

// Design-time pictures from the content tree: art/<window>/<component>.bmp. A missing or
// unreadable picture leaves the control empty (the screen still works).
ArtSource artSource();

// Puts bitmap `name` of the picture module `modulePath` into `picture`; a missing module or bitmap
// leaves the picture empty.
void setPictureFromModule(ui::Picture& picture, std::string_view modulePath, std::string_view name);

}  // namespace vemra::shell
