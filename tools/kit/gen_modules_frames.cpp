#include "kit/gen_modules_frames.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "kit/gen_art_paint.h"
#include "kit/gen_art_scheme.h"
#include "kit/gen_palette.h"

namespace vemra::kit {

namespace {

constexpr PointF emblemCentre{38, 40};
constexpr gfx::Rect numberBox{78, 6, 38, 46};
constexpr int starPoints = 5;

// How far through its loop a frame is, from 0 (frame 1) to just under 1.
double loopPhase(int set, int frame) {
    const int loop = set == 1 ? 5 : animationFramesPerSet;
    return double((frame - 1) % loop) / loop;
}

void paintStar(gfx::Bitmap& bitmap, int hue, double phase) {
    fillRing(bitmap, emblemCentre, 34, 31, kitColour(hue, 0.3, 0.8));
    // One loop turns the star by one point's angle, which looks the same as no turn at all.
    const double turn = phase * 2 * std::numbers::pi / starPoints - std::numbers::pi / 2;
    std::vector<PointF> corners;
    for (int i = 0; i < 2 * starPoints; ++i) {
        const double radius = i % 2 == 0 ? 28 : 12;
        const double angle = turn + i * std::numbers::pi / starPoints;
        corners.push_back({emblemCentre.x + radius * std::cos(angle), emblemCentre.y + radius * std::sin(angle)});
    }
    fillPolygon(bitmap, corners, kitColour(hue + 40, 0.6, 1.0));
    fillRing(bitmap, emblemCentre, 5, 0, kitColour(hue, 0.7, 0.25));
}

void paintRings(gfx::Bitmap& bitmap, int hue, double phase) {
    const double wave = 2 * std::numbers::pi * phase;
    for (int k = 2; k >= 0; --k) {
        const double radius = 12 + 9 * k + 3 * std::sin(wave + k * 0.9);
        fillRing(bitmap, emblemCentre, radius, radius - 4, kitColour(hue + 30 * k, 0.8, 0.7));
    }
    fillRing(bitmap, emblemCentre, 5 + 3 * std::sin(wave), 0, kitColour(hue, 0.9, 0.5));
}

void paintDots(gfx::Bitmap& bitmap, int frame, gfx::Color on, gfx::Color off) {
    for (int i = 0; i < animationFramesPerSet; ++i) {
        const PointF at{82.0 + (i % 5) * 8, 60.0 + (i / 5) * 9};
        fillRing(bitmap, at, i + 1 == frame ? 3.5 : 2.5, 0, i + 1 == frame ? on : off);
    }
}

}  // namespace

std::string animationFrameName(int set, int frame) { return "a" + std::to_string(set) + "0" + std::to_string(frame); }

gfx::Bitmap animationFrame(int set, int frame, FrameStyle style) {
    const int hue = set * 137;
    const double phase = loopPhase(set, frame);
    const bool star = style == FrameStyle::star;
    const int plateHue = star ? hue : hue + 180;
    const gfx::Color plate = star ? kitColour(plateHue, 0.7, 0.25) : kitColour(plateHue, 0.2, 0.95);
    const gfx::Color ink = star ? gfx::colors::white : kitColour(plateHue, 0.8, 0.3);
    gfx::Bitmap bitmap(animationFrameSize.width, animationFrameSize.height, plate);
    frameRect(bitmap, bitmap.bounds(), 2, star ? kitColour(hue, 0.4, 0.9) : kitColour(plateHue, 0.8, 0.4));
    if (star) {
        paintStar(bitmap, hue, phase);
    } else {
        paintRings(bitmap, plateHue, phase);
    }
    drawCentredText(bitmap, numberBox, std::to_string(set), 30, ink, true);
    paintDots(bitmap, frame, ink, star ? kitColour(hue, 0.5, 0.5) : kitColour(plateHue, 0.3, 0.75));
    return inKitPalette(std::move(bitmap));
}

}  // namespace vemra::kit
