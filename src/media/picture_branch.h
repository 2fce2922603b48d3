#pragma once

#include <string_view>

#include "shell/screen.h"

namespace vemra::media {

// Creates the picture album `frm30` or the video clip screen `frm31` above `opener`, or returns
// null when `name` is neither.
shell::Screen* createPictureBranchScreen(std::string_view name, shell::Screen& opener);

}  // namespace vemra::media
