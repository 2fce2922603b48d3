#pragma once

#include <filesystem>

#include "kit/media_melody.h"

namespace vemra::kit {

inline constexpr int musicTrackCount = 20;

// The tune of background track `track` (0 … 19); tracks 2, 7 and 17 last about 3 s so that looping shows.
const Tune& musicTune(int track);
// "data1\NN.dat" under the content root.
std::filesystem::path musicTrackPath(const std::filesystem::path& root, int track);

// Writes the tracks first … last (all of them without a range) as MP3 streams (44.1 kHz stereo,
// 128 kbit/s) into data1.
void writeMusicTracks(const std::filesystem::path& root, int first, int last);
void writeMusicTracks(const std::filesystem::path& root);

}  // namespace vemra::kit
