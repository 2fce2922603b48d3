#include "shell/transition_effects.h"

#include <array>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace vemra::shell {

namespace {

constexpr long standardPause = 2'000'000;

enum class Axis { rows, columns };

// Cursors start at `firstBand` × b, `count` of them one band apart, numbered from `firstNumber`.
struct CursorGroup {
    int firstBand;
    int count;
    int direction;  // +1 moves down or right, -1 up or left
    int firstNumber;
};

struct EffectDesign {
    Axis axis;
    int groupCount;
    std::array<CursorGroup, 2> groups;
    int wideCursor;  // the cursor that copies and moves 10 instead of 2 on the last step (0: none)
    long stepPause;
    long finalPause;
};

// The eight rotating effects, in rotation order.
constexpr std::array<EffectDesign, rotatingEffectCount> effects{{
    {Axis::rows, 1, {{{0, 10, +1, 1}}}, 0, standardPause, standardPause},
    {Axis::columns, 1, {{{0, 10, +1, 1}}}, 10, standardPause, standardPause},
    {Axis::rows, 1, {{{1, 10, -1, 1}}}, 0, standardPause, standardPause},
    {Axis::columns, 1, {{{1, 10, -1, 1}}}, 0, standardPause / 2, standardPause},
    {Axis::columns, 2, {{{1, 5, -1, 1}, {5, 6, +1, 6}}}, 0, standardPause, standardPause},
    {Axis::columns, 2, {{{6, 5, -1, 1}, {0, 6, +1, 6}}}, 0, standardPause, standardPause},
    {Axis::rows, 2, {{{0, 5, +1, 1}, {5, 6, -1, 6}}}, 10, standardPause, 0},
    {Axis::rows, 2, {{{4, 6, +1, 6}, {0, 5, -1, 1}}}, 10, standardPause, 0},
}};

}  // namespace

void runRotatingEffect(int effect, gfx::Size cover, EffectPainter& painter) {
    if (effect < 1 || effect > rotatingEffectCount) throw std::out_of_range("no transition effect " + std::to_string(effect));
    const EffectDesign& e = effects[std::size_t(effect - 1)];
    const bool rows = e.axis == Axis::rows;
    const int band = (rows ? cover.height : cover.width) / 10;
    const int steps = band / 2;

    struct Cursor {
        int position;
        int direction;
        int number;
    };
    std::vector<Cursor> cursors;
    for (int g = 0; g < e.groupCount; ++g)
        for (int i = 0; i < e.groups[std::size_t(g)].count; ++i) {
            const CursorGroup& group = e.groups[std::size_t(g)];
            cursors.push_back({(group.firstBand + i) * band, group.direction, group.firstNumber + i});
        }

    for (int step = 1; step <= steps; ++step) {
        painter.pause(e.stepPause);
        for (Cursor& c : cursors) {
            const int d = (step == steps && c.number == e.wideCursor) ? 10 : 2;
            const gfx::Rect strip = rows ? gfx::Rect{0, c.position, cover.width, d} : gfx::Rect{c.position, 0, d, cover.height};
            painter.copy(strip, strip);
            c.position += c.direction * d;
        }
    }
    if (e.finalPause > 0) painter.pause(e.finalPause);
}

void runExitEffect(gfx::Size cover, EffectPainter& painter, const std::function<int(int n)>& random) {
    const int cellHeight = cover.height / 10;
    const int cellWidth = cover.width / 10;
    std::vector<int> remaining(100);
    std::iota(remaining.begin(), remaining.end(), 1);
    for (int i = 0; i < 100; ++i) {
        painter.pause(1'000'000);
        const int n = int(remaining.size());
        int p = 0;
        while (p < 1 || p > n) p = random(n);
        const int cell = remaining[std::size_t(p - 1)];
        remaining.erase(remaining.begin() + (p - 1));
        const int k = (cell - 1) / 10 + 1, l = (cell - 1) % 10 + 1;
        painter.copy({(10 - l) * cellWidth, (10 - k) * cellHeight, cellWidth, cellHeight}, {0, 0, cellWidth, cellHeight});
    }
    painter.pause(20'000'000);
}

}  // namespace vemra::shell
