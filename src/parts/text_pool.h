#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "content/whole_text_file.h"

namespace vemra::parts {

// Where a text lies in a text pool: the `length` characters after the first `start`.
struct TextRange {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// The start and length fields at the 1-based position of a field file.
TextRange readRange(const content::WholeTextFile& index, std::int64_t position);

// The text a range cuts out of `text`.
std::string cut(std::string_view text, TextRange range);

// The lines of a text cut out of a pool, split at CR LF, a lone CR or a lone LF.
std::vector<std::string> textLines(std::string_view text);

}  // namespace vemra::parts
