#include "pointer_mover.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <random>

#include <X11/Xlib.h>

namespace vemra::bench {

namespace {

using DisplayPtr = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

// The top-level window named as the title names its window, or 0.
Window findTitleWindow(Display* display) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, "VEMRA") == 0) found = children[i];
            XFree(name);
        }
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

PointerMover::PointerMover(Point on, Point off, int moves, int settleMs)
    : thread_([=, this] { run(on, off, moves, settleMs); }) {}

PointerMover::~PointerMover() {
    stop_ = true;
    thread_.join();
}

void PointerMover::run(Point on, Point off, int moves, int settleMs) {
    const DisplayPtr display(XOpenDisplay(nullptr), &XCloseDisplay);
    if (!display) return;
    using namespace std::chrono;
    Window window = 0;
    for (auto deadline = steady_clock::now() + seconds(20); !window && !stop_ && steady_clock::now() < deadline;) {
        window = findTitleWindow(display.get());
        if (!window) std::this_thread::sleep_for(milliseconds(20));
    }
    if (!window) return;
    std::this_thread::sleep_for(milliseconds(settleMs));
    XWindowAttributes attributes{};
    XGetWindowAttributes(display.get(), window, &attributes);
    const int scale = std::max(1, attributes.width / 640);
    scale_ = scale;
    // Uneven pauses, so that the moves do not keep step with the corner animation's frames.
    std::mt19937 random(27);
    std::uniform_int_distribution<int> pauseMs(40, 60);
    for (int i = 0; i < moves && !stop_; ++i) {
        for (const Point p : {on, off}) {
            XWarpPointer(display.get(), 0, window, 0, 0, 0, 0, p.x * scale + scale / 2, p.y * scale + scale / 2);
            XFlush(display.get());
            std::this_thread::sleep_for(milliseconds(pauseMs(random)));
        }
    }
}

}  // namespace vemra::bench
