#pragma once

#include <functional>

#include "platform/media/media_device.h"
#include "platform/ui/window.h"

namespace vemra::shell {

// The intro `frm16`: the opening video in the panel `p1` over the intro picture. It installs the
// hotspot cursor, and hands over to the main menu when the video ends or the user clicks.
class Intro : public ui::Window {
public:
    explicit Intro(std::function<void()> showMainMenu);

private:
    void startVideo(ui::Timer& timer2);
    void watchEnd(ui::Timer& timer1);
    void skip();
    void handOver();

    media::MediaDevice med1_;
    std::function<void()> showMainMenu_;
    int introFailed_ = 0;
    bool handedOver_ = false;
};

}  // namespace vemra::shell
