#pragma once

#include "platform/ui/window.h"

namespace vemra::search {

// `keyMessage`: the small window that tells the user a key types no letter. Escape or the close
// box closes it.
class TFrm37 : public ui::Window {
public:
    TFrm37();
};

// Creates the key message, shows it modally over the search window and releases it.
void showKeyMessage();

}  // namespace vemra::search
