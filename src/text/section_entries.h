#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vemra::text {

// The article index: the sections' first and last entries, the entries' title line numbers and
// the titles, as the main menu loads them at start.
inline constexpr std::string_view sectionRangesFile = "data2\\qem0001.dat";
inline constexpr std::string_view entryNumbersFile = "data2\\qem0002.dat";
inline constexpr std::string_view titleLinesFile = "data2\\qem0024.dat";

struct ArticleIndex {
    const std::vector<std::string>& sectionRanges;
    const std::vector<std::string>& entryNumbers;
    const std::vector<std::string>& titleLines;
};

// The titles of one section of the article index and the article each stands for.
struct SectionEntries {
    std::vector<std::string> titles;  // `listLines`
    std::vector<int> articles;        // `lineArticle`: article indexes, counted from 0
};

// Section record `record` (counted from 1) of `sectionRanges` names the first and last entry of
// `entryNumbers`; each entry is the line number (from 1) of a title in `titleLines`. A last entry
// below the first gives no entries. A record, entry or title that the lists do not hold throws
// ContentError.
SectionEntries sectionEntries(int record, const ArticleIndex& index);
// The same from the lists the main menu has loaded.
SectionEntries sectionEntries(int record);

}  // namespace vemra::text
