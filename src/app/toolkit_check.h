#pragma once

#include "platform/ui/window.h"

namespace vemra::app {

// A screen built the way the title's screens are (background picture, hidden lit picture,
// hotspots, a transparent exit label over a lit exit corner) that exercises the toolkit until the
// title's own screens take over. Level 0 is the root; its exit ends the program; its "open"
// hotspot opens level 1 above it, whose exit goes back.
class ToolkitCheckScreen : public ui::Window {
public:
    explicit ToolkitCheckScreen(int level);

private:
    void buildArtwork();
    void lightHotspot(ui::Widget& hotspot);
    void endHover();
    void exitScreen();
    void hotspotClick(ui::Widget& hotspot);

    int level_;
    ui::Ref<ui::Widget> litHotspot_;
    bool exitLit_ = false;
    int clicks_ = 0;
};

}  // namespace vemra::app
