#pragma once

#include "platform/ui/window.h"

namespace vemra::names {

// The "About the Program" picture `frm15`, centred on the display; a click on it or Escape closes it.
class Tfrm15 : public ui::Window {
public:
    Tfrm15();
};

// Creates the picture, shows it modally and releases it.
void showAboutProgram();

}  // namespace vemra::names
