#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "content/whole_text_file.h"
#include "parts/text_pool.h"

namespace vemra::media_screens {

// A page of a narration: where its text lies in the page text, and its time mark.
struct PageRecord {
    parts::TextRange text;
    std::int32_t mark = 0;
};

// A contents entry: where its caption lies in the contents text, its page (from 1), its time mark.
struct ContentsRecord {
    parts::TextRange caption;
    std::int32_t page = 0;
    std::int32_t mark = 0;
};

// The 24-character records of a page index, as many as its whole text holds whole (the closing
// CR LF does not count) but at most `limit`. A field that is not a number throws ContentError.
std::vector<PageRecord> readPageIndex(const content::WholeTextFile& index, std::size_t limit);

// The 32-character records of a contents index, likewise.
std::vector<ContentsRecord> readContentsIndex(const content::WholeTextFile& index, std::size_t limit);

// The lines of a page of the page text.
std::vector<std::string> pageLines(const content::WholeTextFile& pageText, const PageRecord& page);
// The caption of a contents entry in the contents text.
std::string contentsCaption(const content::WholeTextFile& contentsText, const ContentsRecord& entry);
// A line of a page holding code 14 is drawn white, and its first code 14 is that mark, not part of
// the text: the text the lines of a page hold.
inline constexpr char whiteMark = 14;
std::vector<std::string> withoutWhiteMarks(std::vector<std::string> lines);

// The start point in milliseconds of time mark `mark` in a narration `length` ms long whose marks
// count `divisor` to the length: length / divisor × mark, to the nearest millisecond.
std::int32_t startPoint(std::int32_t mark, std::int32_t length, std::int64_t divisor);

}  // namespace vemra::media_screens
