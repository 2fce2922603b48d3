#pragma once

#include <string_view>
#include <vector>

namespace vemra::win {

// A line of 8-bit text and the line end that followed it (CR LF, CR, LF, or none for a last line
// without one). Both view into the text that was split.
struct TextLine {
    std::string_view text;
    std::string_view ending;
};

// Splits text at CR LF, lone CR and lone LF. A last line without a line end counts; an empty text
// has no lines.
std::vector<TextLine> splitLines(std::string_view text);

}  // namespace vemra::win
