#include "kit/gen_art_scene.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include <cmath>

#include "kit/gen_art_paint.h"
#include "kit/persian_caption.h"
#include "kit/screen_names.h"

namespace vemra::kit {

namespace {

constexpr int hotspotTextHeight = 16;
constexpr int hotspotWordsHeight = 32;
constexpr int cornerNameHeight = 9;
constexpr std::string_view exitWords = "بازگشت";

gfx::Color mix(gfx::Color a, gfx::Color b, double t) {
    const auto channel = [t](int x, int y) { return std::uint8_t(std::lround(x + (y - x) * t)); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// A drawn scene behind everything in a window: a sky that lightens towards the horizon, a low sun
// and three ranges of hills in the window's hues, the nearer ones darker.
void paintBackdrop(gfx::Bitmap& bitmap, gfx::Rect client, const ArtScheme& scheme) {
    const int horizon = client.top + client.height * 3 / 5;
    for (int y = client.top; y < client.bottom(); ++y) {
        const double t = std::clamp(double(y - client.top) / double(horizon - client.top), 0.0, 1.0);
        bitmap.fill({client.left, y, client.width, 1}, mix(scheme.ground, scheme.frame, t * t));
    }
    fillRing(bitmap, {client.left + client.width * 0.72, horizon - client.height * 0.12}, client.height * 0.09, 0,
             mix(scheme.frame, gfx::colors::white, 0.6));
    struct Range {
        double height, wave, phase;
        gfx::Color colour;
    };
    const Range ranges[] = {{0.30, 2.3, 0.7, mix(scheme.grain, scheme.frame, 0.35)},
                            {0.22, 3.7, 2.1, scheme.grain},
                            {0.12, 5.1, 4.0, mix(scheme.ground, scheme.calm, 0.5)}};
    for (const Range& r : ranges)
        for (int x = client.left; x < client.right(); ++x) {
            const double u = double(x - client.left) / double(client.width);
            const double top = client.bottom() - client.height * r.height * (0.75 + 0.25 * std::sin(u * r.wave * 3.14159 + r.phase));
            const int y = std::clamp(int(top), client.top, client.bottom());
            bitmap.fill({x, y, 1, client.bottom() - y}, r.colour);
        }
}

gfx::Rect inset(gfx::Rect r, int by) { return {r.left + by, r.top + by, r.width - 2 * by, r.height - 2 * by}; }

bool overlapsAny(gfx::Rect box, const std::vector<gfx::Rect>& rects) {
    return std::any_of(rects.begin(), rects.end(), [&](gfx::Rect r) { return !inset(r, -6).intersected(box).empty(); });
}

// The free place for a box nearest to the middle of the client area, if there is one.
std::optional<gfx::Point> freePlace(gfx::Size box, gfx::Rect client, const std::vector<gfx::Rect>& obstacles) {
    constexpr int step = 8;
    std::optional<gfx::Point> best;
    long long bestDistance = std::numeric_limits<long long>::max();
    const int midX = client.left + client.width / 2, midY = client.top + client.height / 2;
    for (int y = client.top + step; y + box.height <= client.bottom() - step; y += step) {
        for (int x = client.left + step; x + box.width <= client.right() - step; x += step) {
            const long long dx = x + box.width / 2 - midX, dy = y + box.height / 2 - midY;
            if (dx * dx + dy * dy >= bestDistance || overlapsAny({x, y, box.width, box.height}, obstacles)) continue;
            bestDistance = dx * dx + dy * dy;
            best = gfx::Point{x, y};
        }
    }
    return best;
}

// The window's Persian name in large letters with its window and class names small under it,
// where nothing else is.
bool paintPersianTitle(gfx::Bitmap& bitmap, const SceneSpec& request, const ArtScheme& scheme) {
    const std::string_view name = screenName(request.window);
    if (name.empty()) return false;
    const std::string names = request.title + " · " + request.caption;
    for (const int height : {40, 32, 27, 19}) {
        const gfx::Size persian = persianSize(name, height);
        const gfx::Size caption = textSize(names, 11);
        const gfx::Size box{std::max(persian.width, caption.width), persian.height + caption.height};
        const std::optional<gfx::Point> at = freePlace(box, request.client, request.obstacles);
        if (!at) continue;
        const gfx::Point origin{at->x - request.area.left, at->y - request.area.top};
        // On a sign of its own, so that the words read over any part of the scene.
        const gfx::Rect sign = inset({origin.x, origin.y, box.width, box.height}, -5);
        bitmap.fill(sign, scheme.calm);
        frameRect(bitmap, sign, 1, scheme.calmEdge);
        drawPersianCentred(bitmap, {origin.x, origin.y, box.width, persian.height}, name, height, scheme.title);
        drawText(bitmap, {origin.x + (box.width - caption.width) / 2, origin.y + persian.height}, names, 11, scheme.title);
        return true;
    }
    return false;
}

// The window's name in large letters and the caption under it, where nothing else is.
void paintTitle(gfx::Bitmap& bitmap, const SceneSpec& request, const ArtScheme& scheme) {
    if (paintPersianTitle(bitmap, request, scheme)) return;
    for (const int height : {48, 38, 30, 22, 16}) {
        const int captionHeight = std::max(11, height * 2 / 5);
        const gfx::Size name = textSize(request.title, height, true);
        const gfx::Size caption = textSize(request.caption, captionHeight);
        const gfx::Size box{std::max(name.width, caption.width), name.height + caption.height};
        const std::optional<gfx::Point> at = freePlace(box, request.client, request.obstacles);
        if (!at) continue;
        const gfx::Point origin{at->x - request.area.left, at->y - request.area.top};
        drawText(bitmap, {origin.x + (box.width - name.width) / 2, origin.y}, request.title, height, scheme.title, true);
        drawText(bitmap, {origin.x + (box.width - caption.width) / 2, origin.y + name.height}, request.caption,
                 captionHeight, scheme.title);
        return;
    }
}

// A hotspot as a framed panel with its sign or its name (and hint); the words stay out of
// `keepClear` when the panel reaches far enough below it.
void paintHotspot(gfx::Bitmap& bitmap, gfx::Rect r, gfx::Rect keepClear, const SceneElement& e, const SceneSpec& request,
                  const ArtScheme& scheme, bool lit) {
    const designs::ComponentDesign& c = *e.component;
    const gfx::Color ink = lit ? scheme.litInk : scheme.ink;
    bitmap.fill(r, lit ? scheme.lit : scheme.panel);
    frameRect(bitmap, r, lit ? 2 : 1, lit ? scheme.litEdge : scheme.edge);
    gfx::Rect inner = inset(r, std::min(r.width, r.height) < 36 ? 2 : 3);
    if (!inner.intersected(keepClear).empty() && inner.bottom() - keepClear.bottom() >= 24)
        inner = gfx::Rect::fromEdges(inner.left, keepClear.bottom(), inner.right(), inner.bottom());
    if (const std::optional<Symbol> symbol = symbolForHint(c.hint); symbol && !e.exit) {
        drawSymbol(bitmap, inner, *symbol, ink);
        return;
    }
    const std::string first(e.exit ? "exit" : c.name);
    // The Persian words of what it opens, with its own name small in the corner when there is room.
    if (const std::string words = e.exit ? std::string(exitWords) : hotspotWords(request.window, c); !words.empty()) {
        gfx::Rect wordsBox = inner;
        const gfx::Size name = textSize(first, cornerNameHeight);
        if (inner.height >= 3 * cornerNameHeight) {
            drawText(bitmap, {inner.left + 1, inner.top}, first, cornerNameHeight, ink);
            wordsBox = gfx::Rect::fromEdges(inner.left, inner.top + cornerNameHeight, inner.right(), inner.bottom());
        } else if (inner.width >= 4 * name.width) {  // a low, wide row: the name at its left end
            drawText(bitmap, {inner.left + 1, inner.top + (inner.height - name.height) / 2}, first, cornerNameHeight, ink);
            wordsBox = gfx::Rect::fromEdges(inner.left + name.width + 4, inner.top, inner.right(), inner.bottom());
        }
        if (drawPersianCentred(bitmap, wordsBox, words, hotspotWordsHeight, ink)) return;
    }
    const int height = std::min(hotspotTextHeight, std::max(7, inner.height * 2 / 5));
    const std::array<std::string, 2> withHint{first, std::string(c.hint)};
    if (!c.hint.empty() && !e.exit && drawCentredLines(bitmap, inner, withHint, height, ink, lit)) return;
    drawCentredText(bitmap, inner, first, std::min(hotspotTextHeight, std::max(7, inner.height - 2)), ink, lit);
}

}  // namespace

gfx::Bitmap paintScene(const SceneSpec& request, const ArtScheme& scheme, bool lit) {
    gfx::Bitmap bitmap(request.area.width, request.area.height, scheme.ground);
    const auto local = [&](gfx::Rect r) { return r.translated(-request.area.left, -request.area.top); };
    if (request.windowGround) {
        paintBackdrop(bitmap, local(request.client), scheme);
        paintTitle(bitmap, request, scheme);
    } else {
        paintGrain(bitmap, bitmap.bounds(), scheme.texture, scheme.grain);
        frameRect(bitmap, local(request.client), 2, scheme.frame);
    }
    for (const SceneElement& e : request.elements) {
        const gfx::Rect r = local(e.component->rect);
        if (e.kind == ElementKind::calm) {
            bitmap.fill(r, scheme.calm);
            frameRect(bitmap, r, 1, scheme.calmEdge);
        } else if (e.kind == ElementKind::caption) {
            drawCentredText(bitmap, r, e.component->name, 14, scheme.ink);
        }
    }
    // Hotspots last, so that lighting one changes nothing outside it.
    for (const SceneElement& e : request.elements)
        if (e.kind == ElementKind::hotspot)
            paintHotspot(bitmap, local(e.component->rect), local(request.cornerAnimation), e, request, scheme, lit);
    return bitmap;
}

}  // namespace vemra::kit
