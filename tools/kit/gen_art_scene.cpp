#include "kit/gen_art_scene.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "kit/gen_art_paint.h"

namespace vemra::kit {

namespace {

constexpr int hotspotTextHeight = 16;

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

// The window's name in large letters and the caption under it, where nothing else is.
void paintTitle(gfx::Bitmap& bitmap, const SceneSpec& request, const ArtScheme& scheme) {
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
void paintHotspot(gfx::Bitmap& bitmap, gfx::Rect r, gfx::Rect keepClear, const SceneElement& e, const ArtScheme& scheme,
                  bool lit) {
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
    const int height = std::min(hotspotTextHeight, std::max(7, inner.height * 2 / 5));
    const std::array<std::string, 2> withHint{first, std::string(c.hint)};
    if (!c.hint.empty() && !e.exit && drawCentredLines(bitmap, inner, withHint, height, ink, lit)) return;
    drawCentredText(bitmap, inner, first, std::min(hotspotTextHeight, std::max(7, inner.height - 2)), ink, lit);
}

}  // namespace

gfx::Bitmap paintScene(const SceneSpec& request, const ArtScheme& scheme, bool lit) {
    gfx::Bitmap bitmap(request.area.width, request.area.height, scheme.ground);
    paintGrain(bitmap, bitmap.bounds(), scheme.texture, scheme.grain);
    const auto local = [&](gfx::Rect r) { return r.translated(-request.area.left, -request.area.top); };
    if (request.windowGround) {
        paintTitle(bitmap, request, scheme);
    } else {
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
            paintHotspot(bitmap, local(e.component->rect), local(request.cornerAnimation), e, scheme, lit);
    return bitmap;
}

}  // namespace vemra::kit
