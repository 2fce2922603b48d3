#pragma once

#include <stdexcept>

namespace vemra::content {

// A content file that is missing, unreadable or malformed; the text names the file and the fault.
class ContentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vemra::content
