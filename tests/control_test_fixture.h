#pragma once

#include <gtest/gtest.h>

#include "platform/headless/headless_backend.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace vemra::ui {

// A shown borderless window at the display's origin on the headless clock, driven by posted input.
class ControlTest : public ::testing::Test {
protected:
    ControlTest() {
        window.setClientSize(320, 240);
        window.show();
        app.processMessages();
    }

    // Display coordinates of a point given in a control's own coordinates.
    static gfx::Point displayPoint(const Widget& w, gfx::Point local) {
        const gfx::Rect r = w.rectInWindow();
        return {r.left + local.x, r.top + local.y};
    }

    void mouse(InputEvent::Type type, const Widget& w, gfx::Point local, unsigned shift = 0) {
        const gfx::Point p = displayPoint(w, local);
        app.postInput({.type = type, .x = p.x, .y = p.y, .shift = shift});
        app.processMessages();
    }
    void down(const Widget& w, gfx::Point p, unsigned shift = 0) { mouse(InputEvent::Type::mouseDown, w, p, shift); }
    void move(const Widget& w, gfx::Point p) { mouse(InputEvent::Type::mouseMove, w, p); }
    void up(const Widget& w, gfx::Point p) { mouse(InputEvent::Type::mouseUp, w, p); }
    void click(const Widget& w, gfx::Point p, unsigned shift = 0) {
        down(w, p, shift);
        up(w, p);
    }

    void key(int vk, unsigned shift = 0) {
        app.postInput({.type = InputEvent::Type::keyDown, .key = vk, .shift = shift});
        app.postInput({.type = InputEvent::Type::keyUp, .key = vk, .shift = shift});
        app.processMessages();
    }
    void type(std::string_view bytes) {
        for (unsigned char c : bytes) app.postInput({.type = InputEvent::Type::keyPress, .key = c});
        app.processMessages();
    }

    // Lets virtual time pass a millisecond at a time, so that every timer fires when it is due.
    void wait(int ms) {
        for (int i = 0; i < ms; ++i) {
            backend.pause(1'000'000);
            app.processMessages();
        }
    }

    headless::HeadlessBackend backend;
    Application app{backend};
    Window& window = app.create<Window>("w", "TW");
};

}  // namespace vemra::ui
