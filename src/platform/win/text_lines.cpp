#include "platform/win/text_lines.h"

namespace vemra::win {

std::vector<TextLine> splitLines(std::string_view text) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        const std::size_t endingLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({text.substr(start, end - start), text.substr(end, endingLength)});
        start = end + endingLength;
    }
    return lines;
}

}  // namespace vemra::win
