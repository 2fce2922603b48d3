#include "media/narration_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vemra::media_screens {

namespace {

constexpr std::int64_t pageRecordLength = 24;
constexpr std::int64_t contentsRecordLength = 32;

std::size_t recordCount(const content::WholeTextFile& index, std::int64_t recordLength, std::size_t limit) {
    return std::min(index.text().size() / std::size_t(recordLength), limit);
}

}  // namespace

std::vector<PageRecord> readPageIndex(const content::WholeTextFile& index, std::size_t limit) {
    std::vector<PageRecord> pages(recordCount(index, pageRecordLength, limit));
    for (std::size_t k = 0; k < pages.size(); ++k) {
        const std::int64_t at = std::int64_t(k) * pageRecordLength + 1;
        pages[k] = {parts::readRange(index, at), index.field(at + 16)};
    }
    return pages;
}

std::vector<ContentsRecord> readContentsIndex(const content::WholeTextFile& index, std::size_t limit) {
    std::vector<ContentsRecord> entries(recordCount(index, contentsRecordLength, limit));
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const std::int64_t at = std::int64_t(e) * contentsRecordLength + 1;
        entries[e] = {parts::readRange(index, at), index.field(at + 16), index.field(at + 24)};
    }
    return entries;
}

std::vector<std::string> pageLines(const content::WholeTextFile& pageText, const PageRecord& page) {
    return parts::textLines(parts::cut(pageText.text(), page.text));
}

std::string contentsCaption(const content::WholeTextFile& contentsText, const ContentsRecord& entry) {
    return parts::cut(contentsText.text(), entry.caption);
}

std::vector<std::string> withoutWhiteMarks(std::vector<std::string> lines) {
    for (std::string& line : lines)
        if (const auto mark = line.find(whiteMark); mark != std::string::npos) line.erase(mark, 1);
    return lines;
}

std::int32_t startPoint(std::int32_t mark, std::int32_t length, std::int64_t divisor) {
    const double ms = std::round(double(length) / double(divisor) * double(mark));
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::clamp(ms, lowest, highest));
}

}  // namespace vemra::media_screens
