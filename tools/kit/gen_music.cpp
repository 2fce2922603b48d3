#include "kit/gen_music.h"

#include <array>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>

#include "kit/media_tools.h"

namespace vemra::kit {
namespace {

constexpr int sampleRate = 44100;

// Each track has its own key, mode, instrument, tempo and melody.
constexpr std::array<Tune, musicTrackCount> tunes{{
    {62, Mode::hijaz, Timbre::plucked, 96, 8, 100},
    {60, Mode::major, Timbre::flute, 108, 12, 101},
    {67, Mode::pentatonic, Timbre::bell, 160, 2, 102},
    {57, Mode::minor, Timbre::reed, 90, 8, 103},
    {64, Mode::dorian, Timbre::plucked, 120, 10, 104},
    {65, Mode::major, Timbre::plucked, 132, 12, 105},
    {59, Mode::harmonicMinor, Timbre::flute, 84, 6, 106},
    {69, Mode::major, Timbre::plucked, 150, 2, 107},
    {55, Mode::minor, Timbre::flute, 100, 16, 108},
    {63, Mode::pentatonic, Timbre::reed, 112, 8, 109},
    {61, Mode::dorian, Timbre::bell, 76, 6, 110},
    {58, Mode::major, Timbre::reed, 126, 12, 111},
    {66, Mode::hijaz, Timbre::flute, 104, 8, 112},
    {56, Mode::major, Timbre::bell, 92, 6, 113},
    {60, Mode::harmonicMinor, Timbre::plucked, 140, 10, 114},
    {62, Mode::pentatonic, Timbre::flute, 118, 8, 115},
    {64, Mode::minor, Timbre::plucked, 88, 6, 116},
    {67, Mode::hijaz, Timbre::bell, 144, 2, 117},
    {57, Mode::dorian, Timbre::reed, 98, 14, 118},
    {65, Mode::harmonicMinor, Timbre::plucked, 110, 4, 119},
}};

}  // namespace

const Tune& musicTune(int track) {
    if (track < 0 || track >= musicTrackCount) throw std::out_of_range("no music track " + std::to_string(track));
    return tunes[std::size_t(track)];
}

std::filesystem::path musicTrackPath(const std::filesystem::path& root, int track) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.dat", track);
    return root / "data1" / name;
}

void writeMusicTracks(const std::filesystem::path& root, int first, int last) {
    std::filesystem::create_directories(root / "data1");
    for (int track = first; track <= last; ++track) {
        const std::vector<std::int16_t> samples = renderTune(musicTune(track), sampleRate);
        std::vector<std::string> args = ffmpegCommand();
        args.insert(args.end(), {"-f", "s16le", "-ar", std::to_string(sampleRate), "-ac", "2", "-i", "pipe:0",
                                 "-c:a", "libmp3lame", "-b:a", "128k", "-write_xing", "0", "-id3v2_version", "0"});
        appendReproducibleOutput(args);
        args.insert(args.end(), {"-f", "mp3", musicTrackPath(root, track).string()});
        runTool(args, [&](ToolInput& in) { in.write(std::as_bytes(std::span(samples))); });
    }
}

void writeMusicTracks(const std::filesystem::path& root) { writeMusicTracks(root, 0, musicTrackCount - 1); }

}  // namespace vemra::kit
