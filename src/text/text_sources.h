#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "content/whole_text_file.h"
#include "parts/text_pool.h"

namespace vemra::text {

// Where the reading screens find their texts: the files, their records and the name rules, for
// the screens and for whatever else reads the title's texts.

// The files of the article screens with parts and how their records lie.
struct ArticleSource {
    std::string_view starts;  // an article's start and length in the pool, 16 characters an article
    std::string_view parts;   // its parts' starts and lengths in the article, 16 characters a part
    std::string_view pool;
    int partCount;
    bool rangesHoldBorders;  // a part's range holds one character before its text and one after it
};
inline constexpr ArticleSource fourPartArticles{"data2\\qem0003.dat", "data2\\qem0004.dat", "data2\\qem0005.dat", 4,
                                                false};
inline constexpr ArticleSource sevenPartArticles{"data2\\qem0006.dat", "data2\\qem0007.dat", "data2\\qem0008.dat",
                                                 7, true};

// A part shorter than this cannot be picked.
inline constexpr int shortestPart = 15;
inline bool canBePicked(parts::TextRange part) { return part.length >= shortestPart; }

// The text of article `article` (counted from 0).
std::string articleText(const content::WholeTextFile& starts, const content::WholeTextFile& pool, int article);
// The range of part `part` (counted from 0) of article `article` in its record of `partIndex`.
parts::TextRange partRange(const ArticleSource& source, const content::WholeTextFile& partIndex, int article,
                           int part);
// The text of a part as its screen shows it.
std::string partText(const ArticleSource& source, std::string_view article, parts::TextRange part);

// The section record of the article index that the place screen lists.
inline constexpr int placeIndexSection = 4;

// The title and text reading screen of the main menu.
inline constexpr std::string_view readingTitlesFile = "data2\\qem0015.dat";
inline constexpr std::string_view readingIndexFile = "data2\\qem0016.dat";
inline constexpr std::string_view readingPoolFile = "data2\\qem0017.dat";
// Leaves out the titles beyond the index's last record: they have no text.
void keepTitlesWithTexts(std::vector<std::string>& titles, const content::WholeTextFile& index);
// The text of entry `entry` (counted from 1).
std::string readingText(const content::WholeTextFile& index, const content::WholeTextFile& pool, int entry);

// The places of the place screen: 21 records of their texts' ranges in the place texts, which the
// screen holds as the lines of a hidden text box.
inline constexpr std::string_view placeRecordsFile = "data2\\qem0013.dat";
inline constexpr std::string_view placeTextsFile = "data2\\qem0014.dat";
inline constexpr int placeCount = 21;
// The range of place `place` (counted from 0); a record beyond the file selects nothing.
parts::TextRange placeRange(const content::WholeTextFile& records, int place);
// What the text box's selection of `range` holds: the characters of its lines joined by CR LF,
// from the start of that text when the range starts before it.
std::string placeText(const std::vector<std::string>& textLines, parts::TextRange range);

// The one-text screen of the secondary menus shows the text of kinds 1 to 11.
inline constexpr int firstSingleTextKind = 1, lastSingleTextKind = 11;
std::string singleTextFile(int kind);
// The list screen of the secondary menus lists titles of kind 12, or of kind 0 with "- " before
// each; it lists at most 31 and opens the text of the entry numbered from 1.
inline constexpr int titledTextKinds[] = {0, 12};
std::string_view titleListFile(int kind);
std::vector<std::string> listedTitles(std::vector<std::string> lines, int kind);
std::string listedTextFile(int kind, int entry);

}  // namespace vemra::text
