#pragma once

#include <stdexcept>
#include <string>

namespace vemra::media {

// A media file that cannot be found, opened or decoded.
class MediaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vemra::media
