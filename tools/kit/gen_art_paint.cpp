#include "kit/gen_art_paint.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/gfx/font.h"

namespace vemra::kit {

namespace {

constexpr int smallestText = 7;

std::shared_ptr<const gfx::Font> kitFont(int height, bool bold) {
    gfx::FontSpec request;
    request.face = "DejaVu Sans";
    request.height = height;
    request.style = bold ? gfx::styleBold : 0u;
    return gfx::FontLibrary::shared().font(request);
}

// A symbol as convex polygons in a square from -1 to 1, y downwards.
using Polygon = std::vector<PointF>;

std::vector<Polygon> shapeOf(Symbol symbol) {
    const auto bar = [](double l, double r) { return Polygon{{l, -0.8}, {r, -0.8}, {r, 0.8}, {l, 0.8}}; };
    switch (symbol) {
    case Symbol::up: return {Polygon{{0, -0.8}, {0.9, 0.6}, {-0.9, 0.6}}};
    case Symbol::down: return {Polygon{{-0.9, -0.6}, {0.9, -0.6}, {0, 0.8}}};
    case Symbol::play: return {Polygon{{-0.6, -0.9}, {0.8, 0}, {-0.6, 0.9}}};
    case Symbol::pause: return {bar(-0.7, -0.2), bar(0.2, 0.7)};
    case Symbol::first: return {bar(-0.9, -0.6), Polygon{{0.8, -0.8}, {0.8, 0.8}, {-0.5, 0}}};
    case Symbol::last: return {bar(0.6, 0.9), Polygon{{-0.8, -0.8}, {0.5, 0}, {-0.8, 0.8}}};
    case Symbol::back:
        return {Polygon{{-0.05, -0.8}, {-0.05, 0.8}, {-0.95, 0}}, Polygon{{0.85, -0.8}, {0.85, 0.8}, {-0.05, 0}}};
    case Symbol::forward:
        return {Polygon{{0.05, -0.8}, {0.95, 0}, {0.05, 0.8}}, Polygon{{-0.85, -0.8}, {0.05, 0}, {-0.85, 0.8}}};
    }
    return {};
}

// The top of a text cell whose capitals sit in the middle of a band from top to bottom.
int cellTopForMiddle(const gfx::Font& font, int middle) {
    const int capitals = font.ascent() * 3 / 4;  // the capital height of a sans-serif face, near enough
    return middle + capitals / 2 - font.ascent();
}

}  // namespace

void frameRect(gfx::Bitmap& bitmap, gfx::Rect r, int thickness, gfx::Color colour) {
    thickness = std::min({thickness, r.width / 2, r.height / 2});
    if (thickness <= 0) return;
    bitmap.fill({r.left, r.top, r.width, thickness}, colour);
    bitmap.fill({r.left, r.bottom() - thickness, r.width, thickness}, colour);
    bitmap.fill({r.left, r.top, thickness, r.height}, colour);
    bitmap.fill({r.right() - thickness, r.top, thickness, r.height}, colour);
}

void raisedEdge(gfx::Bitmap& bitmap, gfx::Rect r, gfx::Color light, gfx::Color dark) {
    for (int i = 0; i < 2 && r.width > 2 * i && r.height > 2 * i; ++i) {
        const gfx::Rect e{r.left + i, r.top + i, r.width - 2 * i, r.height - 2 * i};
        bitmap.fill({e.left, e.top, e.width, 1}, light);
        bitmap.fill({e.left, e.top, 1, e.height}, light);
        bitmap.fill({e.left, e.bottom() - 1, e.width, 1}, dark);
        bitmap.fill({e.right() - 1, e.top, 1, e.height}, dark);
    }
}

void paintGrain(gfx::Bitmap& bitmap, gfx::Rect r, Grain grain, gfx::Color colour) {
    constexpr int period = 9;
    r = r.intersected(bitmap.bounds());
    const gfx::Pixel p = colour.pixel();
    const auto mod = [](int v) { return ((v % period) + period) % period; };
    for (int y = r.top; y < r.bottom(); ++y) {
        gfx::Pixel* row = bitmap.row(y);
        for (int x = r.left; x < r.right(); ++x) {
            const bool on = grain == Grain::rising    ? mod(x + y) == 0
                            : grain == Grain::falling ? mod(x - y) == 0
                            : grain == Grain::level   ? mod(y) == 0
                                                      : mod(x) == 0 && mod(y) == 0;
            if (on) row[x] = p;
        }
    }
}

void fillPolygon(gfx::Bitmap& bitmap, std::span<const PointF> corners, gfx::Color colour) {
    if (corners.size() < 3) return;
    double top = corners[0].y, bottom = corners[0].y;
    for (const PointF& c : corners) top = std::min(top, c.y), bottom = std::max(bottom, c.y);
    const int firstRow = std::max(0, int(std::floor(top))),
              lastRow = std::min(bitmap.height() - 1, int(std::ceil(bottom)));
    std::vector<double> crossings;
    for (int y = firstRow; y <= lastRow; ++y) {
        const double cy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const PointF a = corners[i], b = corners[(i + 1) % corners.size()];
            if ((a.y <= cy) != (b.y <= cy)) crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = std::max(0, int(std::ceil(crossings[i] - 0.5)));
            const int to = std::min(bitmap.width(), int(std::ceil(crossings[i + 1] - 0.5)));
            if (to > from) bitmap.fill({from, y, to - from, 1}, colour);
        }
    }
}

void fillRing(gfx::Bitmap& bitmap, PointF centre, double outer, double inner, gfx::Color colour) {
    const gfx::Rect box =
        gfx::Rect::fromEdges(int(std::floor(centre.x - outer)), int(std::floor(centre.y - outer)),
                             int(std::ceil(centre.x + outer)) + 1, int(std::ceil(centre.y + outer)) + 1)
            .intersected(bitmap.bounds());
    const gfx::Pixel p = colour.pixel();
    for (int y = box.top; y < box.bottom(); ++y) {
        for (int x = box.left; x < box.right(); ++x) {
            const double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y, d2 = dx * dx + dy * dy;
            if (d2 < outer * outer && d2 >= inner * inner) bitmap.setPixel(x, y, p);
        }
    }
}

gfx::Bitmap shrunk(const gfx::Bitmap& bitmap, int factor) {
    gfx::Bitmap small(bitmap.width() / factor, bitmap.height() / factor);
    const int n = factor * factor;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const gfx::Color c = gfx::Color::fromPixel(bitmap.pixel(x * factor + dx, y * factor + dy));
                    r += c.r, g += c.g, b += c.b;
                }
            small.setPixel(x, y, gfx::Color{std::uint8_t(r / n), std::uint8_t(g / n), std::uint8_t(b / n)}.pixel());
        }
    return small;
}

void drawSymbol(gfx::Bitmap& bitmap, gfx::Rect box, Symbol symbol, gfx::Color colour) {
    const double half = std::min(box.width, box.height) * 0.3;
    const PointF centre{box.left + box.width / 2.0, box.top + box.height / 2.0};
    for (const Polygon& unit : shapeOf(symbol)) {
        std::vector<PointF> placed;
        for (const PointF& p : unit) placed.push_back({centre.x + p.x * half, centre.y + p.y * half});
        fillPolygon(bitmap, placed, colour);
    }
}

bool drawCentredLines(gfx::Bitmap& bitmap, gfx::Rect box, std::span<const std::string> lines, int maxHeight,
                      gfx::Color colour, bool bold) {
    for (int height = maxHeight; height >= smallestText; --height) {
        const auto font = kitFont(height, bold);
        const int lineHeight = font->lineHeight() * 9 / 10;  // capitals only: the descenders may touch
        const int blockHeight = lineHeight * int(lines.size());
        const bool fits = blockHeight <= box.height &&
                          std::all_of(lines.begin(), lines.end(),
                                      [&](const std::string& l) { return font->textWidth(l) <= box.width; });
        if (!fits) continue;
        const gfx::Rect clip = box.intersected(bitmap.bounds());
        int middle = box.top + (box.height - blockHeight) / 2 + lineHeight / 2;
        for (const std::string& line : lines) {
            const int x = box.left + (box.width - font->textWidth(line)) / 2;
            font->drawText(bitmap, clip, x, cellTopForMiddle(*font, middle), line, colour);
            middle += lineHeight;
        }
        return true;
    }
    return false;
}

bool drawCentredText(gfx::Bitmap& bitmap, gfx::Rect box, std::string_view text, int maxHeight, gfx::Color colour,
                     bool bold) {
    const std::string line(text);
    return drawCentredLines(bitmap, box, std::span(&line, 1), maxHeight, colour, bold);
}

gfx::Size textSize(std::string_view text, int height, bool bold) {
    const auto font = kitFont(height, bold);
    return {font->textWidth(text), font->lineHeight()};
}

void drawText(gfx::Bitmap& bitmap, gfx::Point at, std::string_view text, int height, gfx::Color colour, bool bold) {
    kitFont(height, bold)->drawText(bitmap, bitmap.bounds(), at.x, at.y, text, colour);
}

}  // namespace vemra::kit
