#pragma once

#include "platform/ui/window.h"

namespace vemra::search {

// Places a small window 110 pixels below the centre of the display (half of 220, added before
// the truncating division), as the search window and its key message stand.
void placeBelowCentre(ui::Window& window);

}  // namespace vemra::search
