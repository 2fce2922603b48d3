#pragma once

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "content/whole_text_file.h"

namespace vemra::title {

// The text files of the content, each read once: its lines, or why it could not be read, which
// every later use is told again.
class TextFiles {
public:
    // Throw ContentError naming the file when it cannot be read.
    const std::vector<std::string>& lines(std::string_view contentPath);
    const content::WholeTextFile& whole(std::string_view contentPath);
    // Every file asked for so far, read or not, in byte order.
    std::vector<std::string> asked() const;

private:
    std::map<std::string, std::variant<std::vector<std::string>, std::string>, std::less<>> lines_;
    std::map<std::string, content::WholeTextFile, std::less<>> whole_;
};

}  // namespace vemra::title
