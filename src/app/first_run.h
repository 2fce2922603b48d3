#pragma once

#include <string>

#include "platform/ui/application.h"

namespace vemra::app {

// Runs the first-run window until the user has chosen content that opens (it is then the
// program's content tree) or has closed the window. `rememberedGone` says why what played last
// cannot play now, when it cannot. True when content was chosen.
bool runFirstRun(ui::Application& application, const std::string& rememberedGone);

}  // namespace vemra::app
