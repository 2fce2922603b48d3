#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vemra::content {

// The readers of the text files of the content tree. Text is bytes (glyph codes) and is never
// converted. Failures throw ContentError.

// The lines of a text file; a line ends at CR LF, a lone CR or a lone LF, a last line without an
// end counts, an empty file has none. Throws when the file is missing or cannot be read.
std::vector<std::string> loadLines(std::string_view contentPath);

// The lines joined, each followed by CR LF; characters are then counted from 1.
std::string wholeText(const std::vector<std::string>& lines);

// The integer in the 8 characters at the 1-based position (fewer where the text ends), blanks and
// control characters removed at both ends: a decimal integer with an optional sign. Anything else
// throws, naming the position and the characters found.
std::int32_t readField(std::string_view text, std::int64_t position);

// The characters at positions offset + 1 to offset + length that lie inside the text: shorter when
// the text ends first, empty when it starts beyond the end or the length is not positive. A
// negative offset loses the characters before the text's start.
std::string slice(std::string_view text, std::int64_t offset, std::int64_t length);

}  // namespace vemra::content
