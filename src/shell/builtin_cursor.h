#pragma once

#include "platform/ui/cursor.h"

namespace vemra::shell {

// The hotspot cursor the program carries inside itself (a pointing hand), cursor 5 until an
// animated one is found in the content tree.
ui::CursorShape builtinHotspotCursor();

}  // namespace vemra::shell
