#include "app/content_check_media.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/content_check_files.h"
#include "content/content_error.h"
#include "content/content_source.h"
#include "media/media_failure.h"
#include "platform/media/media_error.h"
#include "platform/media/media_file.h"

namespace vemra::app {

namespace {

constexpr int rate = 22050;
constexpr int channels = 2;

std::string seconds(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", s);
    return text;
}

// What the file holds that cannot be played, or nothing.
std::optional<std::string> decodeToEnd(const media::MediaSource& source, media::MediaKind kind) {
    media::MediaFile file(source, kind, rate, channels);
    media::Decoded decoded;
    std::int64_t soundEnd = 0;  // in output frames
    bool any = false;
    for (bool more = true; more;) {
        more = file.decodeNext(decoded, {});
        for (const auto& block : decoded.sound) {
            const std::int64_t start = block.firstFrame.value_or(soundEnd);
            soundEnd = std::max(soundEnd, start + std::int64_t(block.samples.size() / channels));
            any = true;
        }
        decoded.sound.clear();
        decoded.pictures.clear();
    }
    if (!file.readError().empty()) return "reading stops before its end: " + file.readError();
    if (const int damaged = file.damagedPackets(); damaged > 0)
        return std::to_string(damaged) + (damaged == 1 ? " packet" : " packets") + " cannot be decoded";
    if (file.hasSound()) {
        const double held = double(soundEnd) / rate, length = file.lengthMs() / 1000.0;
        if (!any) return "its sound holds nothing that can be decoded";
        if (held + std::max(0.5, length * 0.05) < length)
            return "it holds " + seconds(held) + " of sound of the " + seconds(length) + " it says it lasts";
    }
    return std::nullopt;
}

// The RIFF header's fault, if the file is a RIFF file and has one.
std::optional<std::string> riffProblem(const media::MediaSource& source) {
    std::ifstream in(source.file, std::ios::binary);
    std::array<std::uint8_t, 8> start{};
    in.seekg(std::streamoff(source.offset));
    in.read(reinterpret_cast<char*>(start.data()), start.size());
    if (!in) return std::nullopt;
    std::error_code error;
    const std::uint64_t size = source.length.value_or(std::filesystem::file_size(source.file, error) - source.offset);
    return riffSizeProblem(start, size);
}

}  // namespace

std::optional<std::string> riffSizeProblem(std::span<const std::uint8_t> start, std::uint64_t fileSize) {
    if (start.size() < 8 || std::string_view(reinterpret_cast<const char*>(start.data()), 4) != "RIFF") return std::nullopt;
    const std::uint64_t said = std::uint64_t(start[4]) | std::uint64_t(start[5]) << 8 | std::uint64_t(start[6]) << 16 |
                               std::uint64_t(start[7]) << 24;
    if (said + 8 <= fileSize + 1) return std::nullopt;  // a last odd byte may go unpadded
    return "its RIFF header says it holds " + std::to_string(said + 8) + " bytes, but the file has " + std::to_string(fileSize);
}

void checkMedia(ContentCheck& check, std::string_view path, std::string_view what, MediaUse use) {
    // The box the title shows when the file will not open, before the reader's own reason.
    const std::string box = use == MediaUse::sound ? std::string(media::mediaFailureText) + " ("
                            : use == MediaUse::clip ? std::string(media::clipFailureText) + " ("
                                                    : "";
    const std::string end = box.empty() ? "" : ")";
    check.read(path, what, [&] {
        const auto source = content::mediaSource(path);
        const auto kind = content::contentSource().kind(path);
        if (!source || kind != content::EntryKind::file)
            throw content::ContentError(box + "cannot open " + std::string(path) +
                                        (kind == content::EntryKind::directory ? ": is a directory" : ": is not a regular file") + end);
        const bool video = use == MediaUse::video || use == MediaUse::clip;
        if (const auto why = riffProblem(*source)) throw content::ContentError(std::string(path) + ": " + *why);
        try {
            if (const auto why = decodeToEnd(*source, video ? media::MediaKind::video : media::MediaKind::sound))
                throw content::ContentError(std::string(path) + ": " + *why);
        } catch (const media::MediaError& e) {
            throw content::ContentError(std::string(path) + ": " + box + e.what() + end);
        }
    });
}

}  // namespace vemra::app
