#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vemra::kit {

// Where each page of a narration starts and how long the whole narration is, in milliseconds.
struct NarrationTiming {
    std::vector<std::int32_t> pageStarts;
    std::int32_t length = 0;
};

// Speaks the pages (text in reading order, UTF-8) one after another with espeak-ng's Persian voice
// (English when this espeak-ng has none), a short pause after each, and writes the speech as an
// MP3 stream (22.05 kHz mono, 64 kbit/s). The length is the one the program's media layer reads
// from the file.
NarrationTiming writeNarration(const std::filesystem::path& file, std::span<const std::string> pages);

// The timing a narration of these pages would have, estimated from their lengths, for content
// written without speech.
NarrationTiming estimatedTiming(std::span<const std::string> pages);

// The time mark of a start point: the player turns mark m back into length / divisor × m.
std::int64_t timeMark(std::int32_t ms, std::int32_t length, std::int64_t divisor);

}  // namespace vemra::kit
