#include "parts/text_pool.h"

#include "content/text_readers.h"
#include "platform/win/text_lines.h"

namespace vemra::parts {

TextRange readRange(const content::WholeTextFile& index, std::int64_t position) {
    return {index.field(position), index.field(position + 8)};
}

std::string cut(std::string_view text, TextRange range) { return content::slice(text, range.start, range.length); }

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    for (const auto& line : win::splitLines(text)) lines.emplace_back(line.text);
    return lines;
}

}  // namespace vemra::parts
