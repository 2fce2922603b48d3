#include "kit/gen_articles.h"

#include <stdexcept>

#include "kit/corpus/corpus.h"
#include "kit/shaper.h"
#include "kit/text_files.h"
#include "kit/text_layout.h"

namespace vemra::kit {

namespace {

// The article screen draws a part in a text area 393 pixels wide, lines ending 5 pixels inside it;
// the seven-part article screen in one 432 pixels wide.
constexpr TextArea articleArea{"Read01 Naske", 32, 388};
constexpr TextArea sevenPartArea{"Read01 Naske", 32, 427};

constexpr std::size_t sectionCount = 10;
constexpr std::size_t sevenPartSection = 4;
constexpr std::size_t firstListSection = 6;
constexpr std::size_t indexLimit = 51;  // the place screen's index holds 51 articles

// Every title line has a record in both kinds of article index; the kind it is not gets an empty one.
struct ArticleIndexes {
    std::vector<FieldRecord> fourPartRanges, fourParts, sevenPartRanges, sevenParts;
    TextPool fourPartTexts, sevenPartTexts;
};

FieldRecord emptyRecord(std::size_t fields) { return FieldRecord(fields, 0); }

void addFourPartArticle(ArticleIndexes& out, const LineBreaker& lines, const corpus::FourPartArticle& article) {
    TextPool& pool = out.fourPartTexts;
    const std::int64_t start = pool.size();
    FieldRecord parts;
    for (const corpus::Paragraphs& part : article.parts) {
        const PoolRange range = pool.add(lines.lines(part));
        parts.insert(parts.end(), {range.offset - start, range.length});
    }
    out.fourPartRanges.push_back({start, pool.size() - start});
    out.fourParts.push_back(parts);
    out.sevenPartRanges.push_back(emptyRecord(2));
    out.sevenParts.push_back(emptyRecord(14));
}

// The screen shows a part without the first and the last character of its range, so each range
// takes in the line end on either side: the LF before the part's first line (the article starts
// with its title line) and the CR after its last.
void addSevenPartArticle(ArticleIndexes& out, const LineBreaker& lines, const corpus::SevenPartArticle& article) {
    TextPool& pool = out.sevenPartTexts;
    const std::int64_t start = pool.size();
    pool.add(lines.line(article.title));
    FieldRecord parts;
    for (const corpus::Paragraphs& part : article.parts) {
        if (part.empty()) {
            parts.insert(parts.end(), {0, 0});
            continue;
        }
        const PoolRange range = pool.add(lines.lines(part));
        parts.insert(parts.end(), {range.offset - 1 - start, range.length + 2});
    }
    out.sevenPartRanges.push_back({start, pool.size() - start});
    out.sevenParts.push_back(parts);
    out.fourPartRanges.push_back(emptyRecord(2));
    out.fourParts.push_back(emptyRecord(8));
}

}  // namespace

void writeArticleTexts(const std::filesystem::path& root) {
    if (corpus::articleLists().size() != sectionCount - firstListSection + 1 ||
        corpus::sevenPartArticles().size() > indexLimit)
        throw std::logic_error("the article lists do not match the sections of the list screens");
    DisplayFonts fonts(root);
    const LineBreaker fourPartLines(fonts, articleArea), sevenPartLines(fonts, sevenPartArea);

    std::vector<std::string> titles;
    std::vector<FieldRecord> entries;                                  // title line numbers, from 1
    std::vector<FieldRecord> sections(sectionCount, FieldRecord{1, 0});  // first > last: no entries
    ArticleIndexes indexes;
    // Each article's title is the next title line and the next entry of its section.
    const auto addEntry = [&](std::string_view title) {
        titles.push_back(shape(title));
        entries.push_back({std::int64_t(titles.size())});
    };
    const auto closeSection = [&](std::size_t record, std::size_t firstEntry) {
        sections[record - 1] = {std::int64_t(firstEntry), std::int64_t(entries.size()) - 1};
    };

    std::size_t first = entries.size();
    for (const corpus::SevenPartArticle& article : corpus::sevenPartArticles()) {
        addEntry(article.title);
        addSevenPartArticle(indexes, sevenPartLines, article);
    }
    closeSection(sevenPartSection, first);
    std::size_t record = firstListSection;
    for (const auto& list : corpus::articleLists()) {
        first = entries.size();
        for (const corpus::FourPartArticle& article : list) {
            addEntry(article.title);
            addFourPartArticle(indexes, fourPartLines, article);
        }
        closeSection(record++, first);
    }

    writeFieldFile(contentFile(root, textFilePath(1)), sections, 2);
    writeFieldFile(contentFile(root, textFilePath(2)), entries, 1);
    writeLineFile(contentFile(root, textFilePath(24)), titles);
    writeFieldFile(contentFile(root, textFilePath(3)), indexes.fourPartRanges, 2);
    writeFieldFile(contentFile(root, textFilePath(4)), indexes.fourParts, 8);
    indexes.fourPartTexts.write(contentFile(root, textFilePath(5)));
    writeFieldFile(contentFile(root, textFilePath(6)), indexes.sevenPartRanges, 2);
    writeFieldFile(contentFile(root, textFilePath(7)), indexes.sevenParts, 14);
    indexes.sevenPartTexts.write(contentFile(root, textFilePath(8)));
}

}  // namespace vemra::kit
