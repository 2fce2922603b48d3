#pragma once

#include <filesystem>

namespace vemra::kit {

// Writes "l3codecp.acm": a short text standing in for the audio codec driver. The program only
// checks that the file exists and registers its path; it never loads it.
void writeCodecStandIn(const std::filesystem::path& root);

}  // namespace vemra::kit
