#include "kit/gen_video.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "kit/media_melody.h"
#include "kit/media_tools.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"

namespace vemra::kit {
namespace {

using gfx::Bitmap;
using gfx::Color;

constexpr int frameWidth = 320;
constexpr int frameHeight = 240;

// How one video is made: its frames, drawn one by one, and a tune as its sound track.
struct VideoJob {
    int framesPerSecond;
    double seconds;
    Tune tune;
    int sampleRate;
    std::function<void(Bitmap&, int frame)> drawFrame;
    std::vector<std::string> outputArgs;  // codecs, format and file name
};

// Streams the frames as raw video into ffmpeg; the sound goes through a raw PCM file.
void encodeVideo(const VideoJob& job) {
    const TempDir work;
    const std::filesystem::path sound = work.path() / "sound.raw";
    {
        const std::vector<std::int16_t> samples = renderTune(job.tune, job.sampleRate);
        std::ofstream out(sound, std::ios::binary);
        out.write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * sizeof(std::int16_t)));
        if (!out) throw std::runtime_error("cannot write " + sound.string());
    }
    const std::string size = std::to_string(frameWidth) + "x" + std::to_string(frameHeight);
    std::vector<std::string> args = ffmpegCommand();
    args.insert(args.end(), {"-f", "rawvideo", "-pix_fmt", "bgr0", "-s", size, "-r", std::to_string(job.framesPerSecond),
                             "-i", "pipe:0", "-f", "s16le", "-ar", std::to_string(job.sampleRate), "-ac", "2", "-t",
                             std::to_string(job.seconds), "-i", sound.string(), "-map", "0:v", "-map", "1:a"});
    appendReproducibleOutput(args);
    args.insert(args.end(), job.outputArgs.begin(), job.outputArgs.end());

    const int frames = int(std::lround(job.seconds * job.framesPerSecond));
    runTool(args, [&](ToolInput& in) {
        Bitmap frame(frameWidth, frameHeight);
        for (int i = 0; i < frames; ++i) {
            job.drawFrame(frame, i);
            in.write(std::as_bytes(std::span(frame.pixels())));  // 0x00RRGGBB little-endian is bgr0
        }
    });
}

Color mix(Color a, Color b, double t) {
    const auto lerp = [t](std::uint8_t x, std::uint8_t y) { return std::uint8_t(std::lround(x + (y - x) * t)); };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

void drawDisc(Bitmap& bitmap, double cx, double cy, double radius, Color color) {
    for (int y = int(cy - radius); y <= int(cy + radius) + 1; ++y)
        for (int x = int(cx - radius); x <= int(cx + radius) + 1; ++x)
            if (x >= 0 && y >= 0 && x < bitmap.width() && y < bitmap.height() &&
                (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                bitmap.setPixel(x, y, color.pixel());
}

void drawCentredText(Bitmap& bitmap, std::string_view text, int height, int top, Color color) {
    const auto font = gfx::FontLibrary::shared().font({"DejaVu Sans", height, color, gfx::styleBold});
    font->drawText(bitmap, bitmap.bounds(), (bitmap.width() - font->textWidth(text)) / 2, top, text, color);
}

void drawIntroFrame(Bitmap& frame, int index, const Bitmap& backdrop) {
    constexpr int fps = 15;
    const double t = double(index) / fps;
    frame = backdrop;
    const Color gold{240, 196, 64};
    drawCentredText(frame, "VEMRA", 64, 80, mix(Color{40, 20, 90}, gold, std::min(1.0, t / 1.5)));
    const double angle = 2 * std::numbers::pi * t / introSeconds - std::numbers::pi / 2;
    drawDisc(frame, 160 + 130 * std::cos(angle), 118 + 80 * std::sin(angle), 9, {255, 255, 255});
    frame.fill({20, 222, int(280 * t / introSeconds), 6}, gold);
}

Color clipColor(int clip) {
    static constexpr Color colors[] = {{150, 30, 30}, {30, 110, 40}, {30, 50, 140}, {130, 90, 10},
                                       {100, 30, 120}, {20, 110, 110}};
    return colors[std::size_t(clip) % std::size(colors)];
}

void drawClipFrame(Bitmap& frame, int index, int clip) {
    constexpr int fps = 25;
    const double t = double(index) / fps;
    frame.fill(frame.bounds(), clipColor(clip));
    char number[8];
    std::snprintf(number, sizeof number, "%02d", clip);
    drawCentredText(frame, number, 110, 40, {255, 255, 255});
    char clock[16];
    std::snprintf(clock, sizeof clock, "%.2f s", t);
    drawCentredText(frame, clock, 20, 186, {255, 255, 160});
    const double phase = std::fmod(t / 2.0, 1.0);  // across and back every 2 s
    const int x = int(std::lround(10 + 280 * (phase < 0.5 ? 2 * phase : 2 - 2 * phase)));
    frame.fill({x, 214, 20, 16}, {255, 255, 255});
}

}  // namespace

double videoClipSeconds(int clip) { return 3 + (clip * 5) % 6; }

std::filesystem::path videoClipPath(const std::filesystem::path& root, int clip) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.mpg", clip);
    return root / "data5" / name;
}

std::filesystem::path introVideoPath(const std::filesystem::path& root) { return root / "data1" / "qem01.avi"; }

void writeIntroVideo(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "data1");
    Bitmap backdrop(frameWidth, frameHeight);
    for (int y = 0; y < frameHeight; ++y)
        backdrop.fill({0, y, frameWidth, 1}, mix({10, 10, 60}, {70, 20, 90}, double(y) / frameHeight));
    encodeVideo({15, introSeconds, {60, Mode::hijaz, Timbre::plucked, 120, 4, 7}, 22050,
                 [&](Bitmap& frame, int i) { drawIntroFrame(frame, i, backdrop); },
                 {"-c:v", "msvideo1", "-c:a", "pcm_s16le", "-f", "avi", introVideoPath(root).string()}});
}

void writeVideoClips(const std::filesystem::path& root, int first, int last) {
    std::filesystem::create_directories(root / "data5");
    for (int clip = first; clip <= last; ++clip) {
        const Tune tune{55 + clip, clip % 2 ? Mode::major : Mode::dorian, Timbre(clip % 4), 120, 4,
                        std::uint32_t(200 + clip)};
        encodeVideo({25, videoClipSeconds(clip), tune, 44100, [clip](Bitmap& frame, int i) { drawClipFrame(frame, i, clip); },
                     {"-c:v", "mpeg1video", "-b:v", "900k", "-bf", "2", "-c:a", "mp2", "-b:a", "128k", "-f", "mpeg",
                      videoClipPath(root, clip).string()}});
    }
}

void writeVideoClips(const std::filesystem::path& root) { writeVideoClips(root, 1, videoClipCount); }

}  // namespace vemra::kit
