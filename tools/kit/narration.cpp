#include "kit/narration.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "kit/media_tools.h"
#include "platform/media/media_file.h"

namespace vemra::kit {

namespace {

constexpr int sampleRate = 22050;  // espeak-ng's voices speak at this rate
constexpr int pauseMs = 600;       // after each page, so that a page turns in silence
constexpr int estimatedMsPerByte = 45;

std::int32_t samplesToMs(std::size_t samples) { return std::int32_t(std::int64_t(samples) * 1000 / sampleRate); }

std::string persianVoice() {
    const std::string persian = runToolForOutput({"espeak-ng", "--voices=fa"});
    return persian.find(" fa ") != std::string::npos ? "fa" : "en";
}

std::uint32_t little32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

// The samples of the WAV stream espeak-ng writes: 16-bit mono PCM. Written to a pipe, its data
// chunk declares a length it cannot know, so the data runs to the end of the stream.
std::vector<std::int16_t> wavSamples(std::string_view wav) {
    if (wav.size() < 12 || wav.substr(0, 4) != "RIFF" || wav.substr(8, 4) != "WAVE")
        throw std::runtime_error("espeak-ng wrote no WAV stream");
    bool formatChecked = false;
    for (std::size_t at = 12; at + 8 <= wav.size();) {
        const std::string_view id = wav.substr(at, 4);
        const std::size_t size = little32(wav, at + 4);
        const std::string_view body = wav.substr(at + 8, std::min<std::size_t>(size, wav.size() - at - 8));
        if (id == "fmt ") {
            if (body.size() < 16 || little32(body, 0) != 0x00010001 || little32(body, 4) != sampleRate ||
                little32(body, 12) >> 16 != 16)
                throw std::runtime_error("espeak-ng spoke in a format other than 16-bit mono at 22050 Hz");
            formatChecked = true;
        } else if (id == "data") {
            if (!formatChecked) break;
            std::vector<std::int16_t> samples(body.size() / 2);
            std::memcpy(samples.data(), body.data(), samples.size() * 2);
            return samples;
        }
        at += 8 + size + size % 2;
    }
    throw std::runtime_error("espeak-ng wrote a WAV stream without sound");
}

}  // namespace

NarrationTiming writeNarration(const std::filesystem::path& file, std::span<const std::string> pages) {
    const std::string voice = persianVoice();
    NarrationTiming timing;
    std::vector<std::int16_t> speech;
    for (const std::string& page : pages) {
        timing.pageStarts.push_back(samplesToMs(speech.size()));
        const std::vector<std::int16_t> spoken =
            wavSamples(runToolForOutput({"espeak-ng", "-v", voice, "-s", "150", "--stdout", "--", page}));
        speech.insert(speech.end(), spoken.begin(), spoken.end());
        speech.resize(speech.size() + std::size_t(sampleRate) * pauseMs / 1000);
    }

    std::filesystem::create_directories(file.parent_path());
    std::vector<std::string> args = ffmpegCommand();
    args.insert(args.end(), {"-f", "s16le", "-ar", std::to_string(sampleRate), "-ac", "1", "-i", "pipe:0", "-c:a",
                             "libmp3lame", "-b:a", "64k", "-write_xing", "0", "-id3v2_version", "0"});
    appendReproducibleOutput(args);
    args.insert(args.end(), {"-f", "mp3", file.string()});
    runTool(args, [&](ToolInput& in) { in.write(std::as_bytes(std::span(speech))); });

    timing.length = media::MediaFile(file, media::MediaKind::sound, sampleRate, 1).lengthMs();
    return timing;
}

NarrationTiming estimatedTiming(std::span<const std::string> pages) {
    NarrationTiming timing;
    for (const std::string& page : pages) {
        timing.pageStarts.push_back(timing.length);
        timing.length += std::int32_t(page.size()) * estimatedMsPerByte + pauseMs;
    }
    return timing;
}

std::int64_t timeMark(std::int32_t ms, std::int32_t length, std::int64_t divisor) {
    if (length <= 0) throw std::invalid_argument("a narration without length has no time marks");
    return std::llround(double(ms) * double(divisor) / double(length));
}

}  // namespace vemra::kit
