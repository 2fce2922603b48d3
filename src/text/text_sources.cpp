#include "text/text_sources.h"

#include <algorithm>

#include "content/text_readers.h"

namespace vemra::text {

namespace {

constexpr std::int64_t recordLength = 16;
constexpr std::size_t maxListedEntries = 31;  // titles beyond these have no entry number

// "data2\qem0" followed by the number.
std::string textFile(int number) { return "data2\\qem0" + std::to_string(number) + ".dat"; }

}  // namespace

std::string articleText(const content::WholeTextFile& starts, const content::WholeTextFile& pool, int article) {
    return parts::cut(pool.text(), parts::readRange(starts, std::int64_t(article) * recordLength + 1));
}

parts::TextRange partRange(const ArticleSource& source, const content::WholeTextFile& partIndex, int article,
                           int part) {
    const std::int64_t record = std::int64_t(article) * source.partCount * recordLength;
    return parts::readRange(partIndex, record + std::int64_t(part) * recordLength + 1);
}

std::string partText(const ArticleSource& source, std::string_view article, parts::TextRange part) {
    if (source.rangesHoldBorders) part = {part.start + 1, part.length - 2};
    return parts::cut(article, part);
}

void keepTitlesWithTexts(std::vector<std::string>& titles, const content::WholeTextFile& index) {
    titles.resize(std::min(titles.size(), index.text().size() / recordLength));
}

std::string readingText(const content::WholeTextFile& index, const content::WholeTextFile& pool, int entry) {
    return parts::cut(pool.text(), parts::readRange(index, std::int64_t(entry - 1) * recordLength + 1));
}

parts::TextRange placeRange(const content::WholeTextFile& records, int place) {
    const std::int64_t position = std::int64_t(place) * recordLength + 1;
    return std::uint64_t(position) > records.text().size() ? parts::TextRange{} : parts::readRange(records, position);
}

std::string placeText(const std::vector<std::string>& textLines, parts::TextRange range) {
    std::string text = content::wholeText(textLines);
    text.resize(text.size() - std::min<std::size_t>(text.size(), 2));  // the box has no break after its last line
    return content::slice(text, std::max(range.start, 0), range.length);
}

std::string singleTextFile(int kind) { return textFile(kind + 99); }

std::string_view titleListFile(int kind) { return kind == 0 ? "data2\\qem0151.dat" : "data2\\qem0132.dat"; }

std::vector<std::string> listedTitles(std::vector<std::string> lines, int kind) {
    lines.resize(std::min(lines.size(), maxListedEntries));
    if (kind == 0)
        for (std::string& title : lines) title = "- " + title;
    return lines;
}

std::string listedTextFile(int kind, int entry) { return textFile((kind == 0 ? 140 : 110) + entry); }

}  // namespace vemra::text
