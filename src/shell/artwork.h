#pragma once

#include "shell/design_builder.h"

namespace vemra::shell {

// Design-time pictures from the content tree: art/<window>/<component>.bmp. A missing or
// unreadable picture leaves the control empty (the screen still works).
ArtSource artSource();

}  // namespace vemra::shell
