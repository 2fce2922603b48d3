#pragma once

#include <string_view>

namespace vemra::media {

// The text of the message box a media screen shows when a file will not open: the players' and
// the galleries', and the clip screen's.
inline constexpr std::string_view mediaFailureText = "undefined error !!";
inline constexpr std::string_view clipFailureText =
    "undefined error !!  probably you must install the activemovie from the CD-ROM to run the videos";

}  // namespace vemra::media
