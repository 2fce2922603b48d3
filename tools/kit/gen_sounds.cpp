#include "kit/gen_sounds.h"

#include <cstdio>
#include <string>
#include <vector>

#include "kit/media_tools.h"

namespace vemra::kit {
namespace {

// The Persian voice, or English when this espeak-ng has no Persian.
std::string voiceForNumbers() {
    const std::string persian = runToolForOutput({"espeak-ng", "--voices=fa"});
    return persian.find(" fa ") != std::string::npos ? "fa" : "en";
}

}  // namespace

std::filesystem::path gallerySoundPath(const std::filesystem::path& root, int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.dat", n);
    return root / "data4" / name;
}

void writeGallerySounds(const std::filesystem::path& root, int first, int last) {
    if (first > last) return;
    std::filesystem::create_directories(root / "data4");
    const TempDir work;
    const std::string voice = voiceForNumbers();
    std::vector<std::string> args = ffmpegCommand();
    for (int n = first; n <= last; ++n) {
        const std::filesystem::path wav = work.path() / (std::to_string(n) + ".wav");
        runTool({"espeak-ng", "-v", voice, "-s", "130", "-w", wav.string(), "--", std::to_string(n)});
        args.insert(args.end(), {"-i", wav.string()});
    }
    // One ffmpeg run encodes every clip: input k goes to output k.
    for (int n = first; n <= last; ++n) {
        args.insert(args.end(), {"-map", std::to_string(n - first) + ":a", "-af", "apad=whole_dur=1.5", "-ar", "22050",
                                 "-ac", "1", "-c:a", "libmp3lame", "-b:a", "64k", "-write_xing", "0",
                                 "-id3v2_version", "0"});
        appendReproducibleOutput(args);
        args.insert(args.end(), {"-f", "mp3", gallerySoundPath(root, n).string()});
    }
    runTool(args);
}

void writeGallerySounds(const std::filesystem::path& root) { writeGallerySounds(root, 1, gallerySoundCount); }

}  // namespace vemra::kit
