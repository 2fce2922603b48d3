#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vemra::app {

class ContentCheck;

// How the title plays a media file, which decides what it shows when the file will not open: a
// music track or the intro says nothing, a narration or gallery sound shows the media box, a
// clip the clip screen's box.
enum class MediaUse { track, sound, video, clip };

// Opens the media file through the program's media reader and decodes it to its end without output
// (no pacing, no device); a file that does not open, has packets that cannot be decoded, stops
// before its end or holds less sound than it says is damaged.
// A RIFF file (AVI, WAVE, animated cursor) whose header says it holds more than the file has: what
// is wrong, from its first 8 bytes and the file's size.
std::optional<std::string> riffSizeProblem(std::span<const std::uint8_t> start, std::uint64_t fileSize);

void checkMedia(ContentCheck& check, std::string_view path, std::string_view what, MediaUse use);

}  // namespace vemra::app
