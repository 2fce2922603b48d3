#pragma once

#include "designs/design.h"

// Every window design of the title, each defined in the file of its group.
namespace vemra::designs::windows {

extern const WindowDesign frm16, Frm17;                      // intro and backdrop
extern const WindowDesign frm1;                              // main menu
extern const WindowDesign frm9, frm23, frm24, frm26, frm7;   // section menus
extern const WindowDesign frm33, frm34;                      // secondary menus
extern const WindowDesign frm10, frm22, frm21, frm11, frm12; // article lists
extern const WindowDesign frm19;                             // article screen
extern const WindowDesign frm18;                             // title and text reader
extern const WindowDesign frm35, frm36;                      // secondary text readers
extern const WindowDesign frm20;                             // seven-part article reader
extern const WindowDesign frm5;                              // places and article index
extern const WindowDesign frm2, frm8;                        // players
extern const WindowDesign frm27, frm29, frm28;               // picture galleries
extern const WindowDesign frm30;                             // picture album
extern const WindowDesign frm31;                             // video clips
extern const WindowDesign sear;                              // search window
extern const WindowDesign Frm14, frm32, frm15, Frm37;        // names screens and small windows

}  // namespace vemra::designs::windows
