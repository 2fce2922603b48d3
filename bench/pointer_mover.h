#pragma once

#include <atomic>
#include <thread>

namespace vemra::bench {

// Moves the X pointer over the title's window from a thread of its own, as a hand would: onto `on`
// and away to `off` in turn, `moves` times each, some 50 ms apart, once the window has been up for
// `settleMs`. Points are in the title's 640 × 480 coordinates; the window's scale comes from its size.
class PointerMover {
public:
    struct Point {
        int x, y;
    };
    PointerMover(Point on, Point off, int moves, int settleMs);
    ~PointerMover();
    PointerMover(const PointerMover&) = delete;
    PointerMover& operator=(const PointerMover&) = delete;

    // The whole factor the window shows the title at, once the first move was made.
    int scale() const { return scale_; }

private:
    void run(Point on, Point off, int moves, int settleMs);

    std::atomic<bool> stop_{false};
    std::atomic<int> scale_{1};
    std::thread thread_;  // last: starts once everything above exists
};

}  // namespace vemra::bench
