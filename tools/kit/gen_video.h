#pragma once

#include <filesystem>

namespace vemra::kit {

// Video clips "data5\01.mpg" … "data5\12.mpg".
inline constexpr int videoClipCount = 12;
inline constexpr double introSeconds = 8.0;

// Length of clip n: between 3 and 8 seconds.
double videoClipSeconds(int clip);
// "data5\" + two digits at least + ".mpg" under the content root.
std::filesystem::path videoClipPath(const std::filesystem::path& root, int clip);
std::filesystem::path introVideoPath(const std::filesystem::path& root);

// "data1\qem01.avi": 320 × 240 Microsoft Video 1 at 15 frames/s with a PCM tune, introSeconds long,
// showing the title "VEMRA" and a disc that circles it.
void writeIntroVideo(const std::filesystem::path& root);
// MPEG-1 system streams (320 × 240 MPEG-1 video at 25 frames/s, MPEG audio layer 2) of clips
// first … last (all of them without a range), each showing its number, the elapsed time and a
// bouncing block, over a tune.
void writeVideoClips(const std::filesystem::path& root, int first, int last);
void writeVideoClips(const std::filesystem::path& root);

}  // namespace vemra::kit
