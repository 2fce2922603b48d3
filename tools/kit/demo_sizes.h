#pragma once

// How many numbered pictures, sounds and clips the demo tree holds. The text files refer to these
// numbers and to no others, and the generators of the media make exactly these.

#include "kit/gen_sounds.h"  // gallerySoundCount: data4\001.dat onward
#include "kit/gen_video.h"   // videoClipCount: data5\01.mpg onward

namespace vemra::kit {

// Gallery pictures "data3\01.bmp" … "data3\24.bmp" (picture index p is file p + 1).
inline constexpr int galleryPictureCount = 24;

// Album pictures 1 … albumPictureCount: resources "AK1" … with their size strings 1 … in
// "data3\qem002.dat". The album's entries show them in this order, a few pictures an entry.
inline constexpr int albumPictureCount = 20;

}  // namespace vemra::kit
