#pragma once

#include "platform/ui/panel.h"
#include "platform/ui/picture.h"

namespace vemra::parts {

// The text panel of a reading screen. Both paint at once, so that rows drawn on the panel right
// afterwards are not covered by a later paint.
// Shows the panel, if hidden, with its background picture.
void showPanel(ui::Panel& panel, ui::Picture& panelBackground);
// Hides the panel, if shown, uncovering the screen's background picture.
void hidePanel(ui::Panel& panel, ui::Picture& screenBackground);

}  // namespace vemra::parts
