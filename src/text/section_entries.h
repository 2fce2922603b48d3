#pragma once

#include <string>
#include <vector>

namespace vemra::text {

// The titles of one section of the article index and the article each stands for.
struct SectionEntries {
    std::vector<std::string> titles;  // `listLines`
    std::vector<int> articles;        // `lineArticle`: article indexes, counted from 0
};

// Section record `record` (counted from 1) of `sectionRanges` names the first and last entry of
// `entryNumbers`; each entry is the line number (from 1) of a title in `titleLines`. A last entry
// below the first gives no entries. A record, entry or title that the lists do not hold throws
// ContentError.
SectionEntries sectionEntries(int record);

}  // namespace vemra::text
