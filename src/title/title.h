#pragma once

#include "platform/ui/application.h"

namespace vemra::title {

// The title's entry point: registers the display fonts, creates the intro, the backdrop and the
// hidden main menu, runs the loop until the main menu's exit, and unregisters the fonts.
void run(ui::Application& app);

}  // namespace vemra::title
