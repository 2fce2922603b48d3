// The content kit's text files read back with the program's own readers: every file the screens
// read is there, every indexed slice lies inside its pool and decodes to the corpus text it came
// from, lines fit the screens' text areas, the sizes the screens' edge cases need are there, the
// keyboard tables agree with the code table, runs repeat byte for byte, and the narrations' page
// marks fall where the voice starts each page.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>
#include <optional>
#include <regex>
#include <set>

#include "content/content_source.h"
#include "content/glyph_map.h"
#include "content/keyboard_tables.h"
#include "content/logical_text.h"
#include "content/text_readers.h"
#include "content/whole_text_file.h"
#include "kit/code_table.h"
#include "kit/corpus/corpus.h"
#include "kit/demo_sizes.h"
#include "kit/display_fonts.h"
#include "kit/gen_album_text.h"
#include "kit/gen_articles.h"
#include "kit/gen_clips_text.h"
#include "kit/gen_galleries_text.h"
#include "kit/gen_keyboard.h"
#include "kit/gen_names.h"
#include "kit/gen_players.h"
#include "kit/gen_readers.h"
#include "kit/gen_secondary_texts.h"
#include "kit/media_tools.h"
#include "kit/shaper.h"
#include "kit/text_files.h"
#include "kit/text_layout.h"
#include "platform/gfx/utf8.h"

namespace vemra::kit {
namespace {

namespace fs = std::filesystem;
using content::WholeTextFile;

void writeTextTree(const fs::path& root, Speech speech) {
    writeDisplayFonts(root);
    writeArticleTexts(root);
    writeReadingTexts(root);
    writeSecondaryTexts(root);
    writePlayers(root, speech);
    writeGalleryTexts(root);
    writeAlbumTexts(root);
    writeClipTitles(root);
    writeNamesList(root);
    writeKeyboardTables(root);
}

// ---- Glyph codes back to text -------------------------------------------------------------------

const Letter* letterOfCode(std::uint8_t code) {
    for (const Letter& l : letters())
        if (std::find(l.codes.begin(), l.codes.end(), code) != l.codes.end()) return &l;
    return nullptr;
}

bool isDigitCode(std::uint8_t code) {
    const Letter* l = letterOfCode(code);
    return l && l->character >= U'\u06F0' && l->character <= U'\u06F9';
}

bool isNumberSeparatorCode(std::uint8_t code) {
    const Letter* l = letterOfCode(code);
    return l && (l->character == U'/' || l->character == U'.' || l->character == U':');
}

char32_t unmirrored(char32_t c) {
    switch (c) {
    case U'(': return U')';
    case U')': return U'(';
    case U'\u00AB': return U'\u00BB';
    case U'\u00BB': return U'\u00AB';
    default: return c;
    }
}

void appendCharacters(std::u32string& out, std::uint8_t code) {
    for (const LigaturePair& pair : ligaturePairs())
        if (pair.ligature == code) {
            out += lam;
            out += letterOfCode(pair.left)->character;
            return;
        }
    const Letter* l = letterOfCode(code);
    out += l ? unmirrored(l->character) : U'\uFFFD';
}

// A line of glyph codes in visual order as text in reading order: the codes from last to first,
// except that a number keeps its digits in reading order.
std::u32string decodeLine(std::string_view glyphs) {
    std::u32string out;
    const auto code = [&](std::ptrdiff_t i) { return std::uint8_t(glyphs[std::size_t(i)]); };
    for (std::ptrdiff_t i = std::ptrdiff_t(glyphs.size()) - 1; i >= 0;) {
        if (!isDigitCode(code(i))) {
            appendCharacters(out, code(i--));
            continue;
        }
        std::ptrdiff_t first = i;
        while (first > 0 && (isDigitCode(code(first - 1)) ||
                             (first > 1 && isNumberSeparatorCode(code(first - 1)) && isDigitCode(code(first - 2)))))
            first -= isDigitCode(code(first - 1)) ? 1 : 2;
        for (std::ptrdiff_t j = first; j <= i; ++j) appendCharacters(out, code(j));
        i = first - 1;
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 2;
    }
}

// Lines of glyph codes as one text in reading order, a blank where a line breaks.
std::u32string decodeLines(const std::vector<std::string>& lines) {
    std::u32string out;
    for (const std::string& line : lines) {
        if (!out.empty()) out += U' ';
        out += decodeLine(line);
    }
    return out;
}

std::u32string decodeSlice(std::string_view slice) { return decodeLines(splitLines(slice)); }

// Corpus text as the shaper shows it: without non-joiners, digits as Persian digits.
std::u32string shown(std::string_view utf8) {
    const std::u32string text = gfx::decodeUtf8(utf8).value();
    std::u32string out;
    for (char32_t c : text) {
        if (c == zeroWidthNonJoiner) continue;
        if (c >= U'0' && c <= U'9') c = U'\u06F0' + (c - U'0');
        out += c;
    }
    return out;
}

std::u32string shown(const corpus::Paragraphs& paragraphs) {
    std::string joined;
    for (const std::string_view p : paragraphs) joined += (joined.empty() ? "" : " ") + std::string(p);
    return shown(joined);
}

std::string utf8(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text) out += gfx::encodeUtf8(c);
    return out;
}

// ---- Reading like the screens ---------------------------------------------------------------------

struct Range {
    std::int64_t first, second;
};

// The pair of fields at `at` (1-based) and `at` + 8.
Range pairAt(const WholeTextFile& file, std::int64_t at) { return {file.field(at), file.field(at + 8)}; }

std::int64_t recordCount(const WholeTextFile& file, std::int64_t recordLength) {
    return std::int64_t(file.text().size() - 2) / recordLength;  // the closing CR LF does not count
}

// A slice that must lie wholly inside its text.
std::string sliceInside(std::string_view text, std::int64_t offset, std::int64_t length) {
    EXPECT_GE(offset, 0);
    EXPECT_GE(length, 0);
    EXPECT_LE(offset + length, std::int64_t(text.size()));
    return content::slice(text, offset, length);
}

class KitTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tree = new TempDir;
        writeTextTree(tree->path(), Speech::estimated);
    }
    static void TearDownTestSuite() {
        delete tree;
        tree = nullptr;
    }
    void SetUp() override { content::setContentRoot(tree->path()); }

    static std::string file(int n) { return textFilePath(n); }
    static std::vector<std::string> lines(const std::string& path) { return content::loadLines(path); }
    static WholeTextFile whole(const std::string& path) { return WholeTextFile::load(path); }
    std::shared_ptr<const gfx::Font> font(std::string_view face, int height) { return fonts.font(face, height); }

    static TempDir* tree;
    DisplayFonts fonts{tree->path()};
};

TempDir* KitTextTest::tree = nullptr;

TEST_F(KitTextTest, EveryTextFileTheScreensReadIsThereAndTheFieldFilesAreOneLineOfWholeRecords) {
    for (int n = 1; n <= 46; ++n) EXPECT_TRUE(content::fileExists(file(n))) << file(n);
    for (int n = 100; n <= 110; ++n) EXPECT_TRUE(content::fileExists(file(n))) << file(n);
    const std::size_t courses = lines(file(132)).size(), questions = lines(file(151)).size();
    EXPECT_LE(courses, 21u);  // their texts are qem0111 … qem0131
    EXPECT_LE(questions, 10u);  // their texts are qem0141 … qem0150
    for (std::size_t t = 1; t <= courses; ++t) EXPECT_TRUE(content::fileExists(file(int(t) + 110)));
    for (std::size_t t = 1; t <= questions; ++t) EXPECT_TRUE(content::fileExists(file(int(t) + 140)));

    const std::map<std::string, int> recordLengths = {
        {file(1), 16},  {file(2), 8},   {file(3), 16},  {file(4), 64},  {file(6), 16},  {file(7), 112},
        {file(9), 32},  {file(11), 24}, {file(13), 16}, {file(16), 16}, {file(18), 24}, {file(20), 24},
        {file(22), 24}, {file(27), 8},  {file(28), 16}, {file(29), 8},  {file(30), 16}, {file(31), 24},
        {file(33), 24}, {file(35), 24}, {file(38), 8},  {file(39), 16}, {file(41), 32}, {file(43), 24},
        {"data1\\1\\3.txt", 8}, {"data1\\1\\c1.txt", 8}, {"data1\\1\\c2.txt", 16}};
    for (const auto& [path, length] : recordLengths) {
        const std::vector<std::string> text = lines(path);
        ASSERT_EQ(text.size(), 1u) << path;
        EXPECT_GT(text[0].size(), 0u) << path;
        EXPECT_EQ(text[0].size() % std::size_t(length), 0u) << path;
    }
}

TEST_F(KitTextTest, EveryDisplayLineFitsTheTextAreaItIsDrawnIn) {
    struct Area {
        std::vector<int> files;
        std::string_view face;
        int height, width;
    };
    const std::vector<Area> areas = {
        {{5}, "Read01 Naske", 32, 388},                           // article parts
        {{8}, "Read01 Naske", 32, 427},                           // seven-part articles
        {{15}, "Read01 Naske", 27, 168},                          // reading titles
        {{17}, "Read01 Naske", 32, 359},                          // reading texts
        {{12, 44}, "Read01 Naske", 29, 363},                      // tour pages
        {{19, 21, 23, 32, 34, 36}, "Read01 Naske", 35, 483},      // story pages
        {{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110}, "msread", 19, 477},
        {{111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 141, 142, 143, 144, 145, 146, 147, 148},
         "msread", 19, 362},
        {{40}, "Read01 Naske", 40, 392},  // names
    };
    for (const Area& area : areas) {
        const auto f = font(area.face, area.height);
        for (const int n : area.files)
            for (std::string line : lines(file(n))) {
                std::erase(line, char(14));
                EXPECT_LE(drawnWidth(*f, line), area.width) << file(n) << ": " << utf8(decodeLine(line));
            }
    }
}

TEST_F(KitTextTest, ArticleListsAndArticlesDecodeToTheirCorpusTexts) {
    const WholeTextFile sections = whole(file(1)), entries = whole(file(2));
    const WholeTextFile ranges = whole(file(3)), parts = whole(file(4)), pool = whole(file(5));
    const std::vector<std::string> titles = lines(file(24));
    const auto rowFont = font("Read01 Naske", 32);
    std::multiset<std::int64_t> listSizes;
    int widerThanRow = 0, partsOfFourAndTwentyLines = 0;
    for (int record = 6; record <= 10; ++record) {
        const Range section = pairAt(sections, (record - 1) * 16 + 1);
        const auto& list = corpus::articleLists()[std::size_t(record - 6)];
        ASSERT_EQ(section.second - section.first + 1, std::int64_t(list.size())) << "section " << record;
        listSizes.insert(section.second - section.first + 1);
        for (std::int64_t e = section.first; e <= section.second; ++e) {
            const corpus::FourPartArticle& expected = list[std::size_t(e - section.first)];
            const std::int64_t n = entries.field(e * 8 + 1) - 1;
            ASSERT_LT(n, std::int64_t(titles.size()));
            EXPECT_EQ(decodeLine(titles[std::size_t(n)]), shown(expected.title));
            widerThanRow += rowFont->textWidth(titles[std::size_t(n)]) > 175;

            const Range article = pairAt(ranges, n * 16 + 1);
            const std::string text = sliceInside(pool.text(), article.first, article.second);
            std::vector<std::size_t> lineCounts;
            for (std::int64_t k = 0; k < 4; ++k) {
                const Range part = pairAt(parts, n * 64 + k * 16 + 1);
                const std::string partText = sliceInside(text, part.first, part.second);
                EXPECT_EQ(decodeSlice(partText), shown(expected.parts[std::size_t(k)])) << utf8(shown(expected.title));
                lineCounts.push_back(splitLines(partText).size());
                // Only the timeline's last two parts are too short to be picked.
                EXPECT_EQ(k >= 2 && lineCounts[0] == 4 && lineCounts[1] == 20, part.second < 15);
            }
            partsOfFourAndTwentyLines += lineCounts[0] == 4 && lineCounts[1] == 20;
        }
    }
    EXPECT_EQ(listSizes.count(3), 1u);
    EXPECT_EQ(listSizes.count(8), 1u);
    EXPECT_GE(*listSizes.rbegin(), 20);
    EXPECT_GE(widerThanRow, 3);
    EXPECT_EQ(partsOfFourAndTwentyLines, 1);
    for (const int record : {1, 2, 3, 5}) {
        const Range empty = pairAt(sections, (record - 1) * 16 + 1);
        EXPECT_LT(empty.second, empty.first) << "section " << record;
    }
}

TEST_F(KitTextTest, SevenPartArticlesShowTheirPartsWithoutTheRangesFirstAndLastCharacter) {
    const WholeTextFile sections = whole(file(1)), entries = whole(file(2));
    const WholeTextFile ranges = whole(file(6)), parts = whole(file(7)), pool = whole(file(8));
    const Range section = pairAt(sections, 3 * 16 + 1);
    const auto& articles = corpus::sevenPartArticles();
    ASSERT_EQ(section.second - section.first + 1, std::int64_t(articles.size()));
    int onlyFirstTwoOfFiveAndNineLines = 0;
    for (std::int64_t e = section.first; e <= section.second; ++e) {
        const corpus::SevenPartArticle& expected = articles[std::size_t(e - section.first)];
        const std::int64_t n = entries.field(e * 8 + 1) - 1;
        const Range article = pairAt(ranges, n * 16 + 1);
        const std::string text = sliceInside(pool.text(), article.first, article.second);
        std::vector<std::size_t> lineCounts;
        std::vector<bool> pickable;
        for (std::int64_t k = 0; k < 7; ++k) {
            const Range part = pairAt(parts, n * 112 + k * 16 + 1);
            sliceInside(text, part.first, part.second);
            pickable.push_back(part.second >= 15);
            if (!pickable.back()) {
                EXPECT_TRUE(expected.parts[std::size_t(k)].empty());
                continue;
            }
            const std::string shownPart = content::slice(text, part.first + 1, part.second - 2);
            EXPECT_EQ(decodeSlice(shownPart), shown(expected.parts[std::size_t(k)]));
            lineCounts.push_back(splitLines(shownPart).size());
        }
        onlyFirstTwoOfFiveAndNineLines += pickable == std::vector<bool>{true, true, false, false, false, false, false} &&
                                         lineCounts == std::vector<std::size_t>{5, 9};
    }
    EXPECT_EQ(onlyFirstTwoOfFiveAndNineLines, 1);
}

TEST_F(KitTextTest, ReadingAndPlaceTextsDecodeToTheirCorpusTexts) {
    const std::vector<std::string> titles = lines(file(15));
    const WholeTextFile index = whole(file(16)), pool = whole(file(17));
    const auto& texts = corpus::readingTexts();
    ASSERT_EQ(titles.size(), texts.size());
    ASSERT_EQ(recordCount(index, 16), std::int64_t(texts.size()));
    EXPECT_GT(titles.size(), 8u);  // the title list scrolls
    std::set<std::size_t> lineCounts;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        EXPECT_EQ(decodeLine(titles[k]), shown(texts[k].title));
        const Range range = pairAt(index, std::int64_t(k) * 16 + 1);
        const std::string text = sliceInside(pool.text(), range.first, range.second);
        EXPECT_EQ(decodeSlice(text), shown(texts[k].text));
        lineCounts.insert(splitLines(text).size());
    }
    EXPECT_TRUE(lineCounts.contains(3));
    EXPECT_TRUE(lineCounts.contains(20));

    // The place texts are read from the place text box, whose text is its lines joined with CR LF.
    const WholeTextFile places = whole(file(13));
    const std::string box = content::wholeText(lines(file(14)));
    const auto& placeTexts = corpus::placeTexts();
    ASSERT_EQ(placeTexts.size(), 21u);
    ASSERT_EQ(recordCount(places, 16), 21);
    for (std::size_t r = 0; r < placeTexts.size(); ++r) {
        const Range range = pairAt(places, std::int64_t(r) * 16 + 1);
        EXPECT_EQ(decodeSlice(sliceInside(box, range.first, range.second)), shown(placeTexts[r]));
    }
}

TEST_F(KitTextTest, SecondaryBranchTextsAndListsDecodeToTheirCorpusTexts) {
    std::set<std::size_t> lineCounts;
    for (int kind = 1; kind <= 11; ++kind) {
        const std::vector<std::string> text = lines(file(kind + 99));
        EXPECT_EQ(decodeLines(text), shown(corpus::serviceTexts()[std::size_t(kind - 1)]));
        lineCounts.insert(text.size());
    }
    EXPECT_TRUE(lineCounts.contains(4));
    EXPECT_TRUE(lineCounts.contains(25));

    const auto rowFont = font("msread", 16);
    for (const auto& [list, firstText, texts] :
         {std::tuple{132, 111, &corpus::courseTexts()}, std::tuple{151, 141, &corpus::questionTexts()}}) {
        const std::vector<std::string> titles = lines(file(list));
        ASSERT_EQ(titles.size(), texts->size());
        int widerThanRow = 0;
        for (std::size_t t = 0; t < titles.size(); ++t) {
            EXPECT_EQ(decodeLine(titles[t]), shown((*texts)[t].title));
            EXPECT_EQ(decodeLines(lines(file(firstText + int(t)))), shown((*texts)[t].text));
            widerThanRow += rowFont->textWidth(titles[t]) > 176;
        }
        EXPECT_GE(widerThanRow, 1) << file(list);
    }
}

TEST_F(KitTextTest, PlayerPagesAndContentsDecodeAndTheirMarksRise) {
    struct Variant {
        int pageIndex, pageText, contentsIndex, contentsText;
        const corpus::Narration* narration;
    };
    const auto& tours = corpus::tourNarrations();
    const auto& stories = corpus::storyNarrations();
    const std::vector<Variant> variants = {
        {11, 12, 9, 10, &tours[0]},   {43, 44, 41, 42, &tours[1]},  {18, 19, 0, 0, &stories[0]},
        {20, 21, 0, 0, &stories[1]},  {22, 23, 0, 0, &stories[2]}, {35, 36, 0, 0, &stories[3]},
        {33, 34, 0, 0, &stories[4]},  {31, 32, 0, 0, &stories[5]},
    };
    const auto captionFont = font("Read01 Naske", 29);
    int pagesOfTwelveLines = 0, whiteLines = 0, captionsWiderThanRow = 0;
    for (const Variant& v : variants) {
        const WholeTextFile index = whole(file(v.pageIndex)), pool = whole(file(v.pageText));
        const auto& pages = v.narration->pages;
        ASSERT_EQ(recordCount(index, 24), std::int64_t(pages.size())) << file(v.pageIndex);
        EXPECT_LE(pages.size(), v.contentsIndex ? 151u : 97u);
        std::vector<std::int64_t> marks;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const Range range = pairAt(index, std::int64_t(p) * 24 + 1);
            marks.push_back(index.field(std::int64_t(p) * 24 + 17));
            std::vector<std::string> pageLines = splitLines(sliceInside(pool.text(), range.first, range.second));
            pagesOfTwelveLines += pageLines.size() == 12;
            if (!v.contentsIndex) {
                EXPECT_LE(pageLines.size(), 8u);
            }
            std::u32string heading;
            if (!pages[p].heading.empty()) {
                // The heading is the line the tour player draws white.
                ASSERT_EQ(pageLines[0][0], char(14));
                heading = decodeLine(pageLines[0].substr(1));
                pageLines.erase(pageLines.begin());
                ++whiteLines;
            }
            EXPECT_EQ(heading, shown(pages[p].heading));
            EXPECT_EQ(decodeLines(pageLines), shown(pages[p].text));
        }
        EXPECT_EQ(marks[0], 0);
        EXPECT_EQ(std::adjacent_find(marks.begin(), marks.end(), std::greater_equal<>()), marks.end());  // rising
        if (!v.contentsIndex) continue;

        const WholeTextFile contents = whole(file(v.contentsIndex)), captions = whole(file(v.contentsText));
        const auto& entries = v.narration->contents;
        ASSERT_EQ(recordCount(contents, 32), std::int64_t(entries.size()));
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const Range caption = pairAt(contents, std::int64_t(e) * 32 + 1);
            const std::string text = sliceInside(captions.text(), caption.first, caption.second);
            EXPECT_EQ(decodeLine(text), shown(entries[e].caption));
            captionsWiderThanRow += captionFont->textWidth(text) > 180;
            const Range page = pairAt(contents, std::int64_t(e) * 32 + 17);
            EXPECT_EQ(page.first, entries[e].page);
            EXPECT_EQ(page.second, marks[std::size_t(page.first - 1)]);
        }
    }
    EXPECT_GE(pagesOfTwelveLines, 1);
    EXPECT_GE(whiteLines, 1);
    EXPECT_GE(captionsWiderThanRow, 1);

    std::vector<std::string> storyTitles = lines(file(46));
    ASSERT_EQ(storyTitles.size(), stories.size());
    for (std::size_t v = 0; v < stories.size(); ++v) EXPECT_EQ(decodeLine(storyTitles[v]), shown(stories[v].title));
}

TEST_F(KitTextTest, GalleriesListEveryPictureAndSoundOnceInTheScreensOrder) {
    const std::vector<std::string> pictureTitles = lines(file(26)), soundTitles = lines(file(25));
    const WholeTextFile sections = whole(file(28)), pictureEntries = whole(file(27));
    const WholeTextFile pictureSounds = whole(file(30)), soundEntries = whole(file(29));
    std::vector<std::int64_t> pictures, sounds;
    std::vector<std::int64_t> soundsPerPicture;
    for (std::size_t g = 0; g < corpus::galleries().size(); ++g) {
        const Range section = pairAt(sections, std::int64_t(g) * 16 + 1);
        EXPECT_LE(section.second - section.first + 1, 51);
        for (std::int64_t e = section.first; e <= section.second; ++e) {
            const std::int64_t p = pictureEntries.field(e * 8 + 1) - 1;
            pictures.push_back(p);
            const Range own = pairAt(pictureSounds, p * 16 + 1);
            soundsPerPicture.push_back(own.second - own.first + 1);
            for (std::int64_t s = own.first; s <= own.second; ++s) {
                const std::int64_t v = soundEntries.field(s * 8 + 1);
                sounds.push_back(v);
                ASSERT_LE(v, std::int64_t(soundTitles.size()));
                // A sound's title ends with its number, which is the number its clip speaks.
                const std::u32string title = decodeLine(soundTitles[std::size_t(v - 1)]);
                EXPECT_TRUE(title.ends_with(U' ' + shown(std::to_string(v)))) << utf8(title);
            }
        }
    }
    std::vector<std::int64_t> allPictures(galleryPictureCount), allSounds(gallerySoundCount);
    std::iota(allPictures.begin(), allPictures.end(), 0);
    std::iota(allSounds.begin(), allSounds.end(), 1);
    EXPECT_EQ(pictures, allPictures);
    EXPECT_EQ(sounds, allSounds);  // sound index 99 plays data4\100.dat
    EXPECT_EQ(pictureTitles.size(), std::size_t(galleryPictureCount));
    EXPECT_TRUE(std::ranges::count(soundsPerPicture, 7) >= 1);
    EXPECT_TRUE(std::ranges::count(soundsPerPicture, 0) >= 1);
    EXPECT_LE(std::ranges::max(soundsPerPicture), 51);
}

TEST_F(KitTextTest, AlbumEntriesClipsAndNamesHaveTheSizesTheScreensNeed) {
    const std::vector<std::string> albumTitles = lines(file(37));
    const WholeTextFile ranges = whole(file(39)), numbers = whole(file(38));
    ASSERT_EQ(recordCount(ranges, 16), std::int64_t(albumTitles.size()));
    std::multiset<std::int64_t> entrySizes;
    for (std::size_t k = 0; k < albumTitles.size(); ++k) {
        EXPECT_EQ(decodeLine(albumTitles[k]), shown(corpus::albumEntries()[k].title));
        const Range entry = pairAt(ranges, std::int64_t(k) * 16 + 1);
        entrySizes.insert(entry.second - entry.first + 1);
        for (std::int64_t e = entry.first; e <= entry.second; ++e) {
            const std::int64_t picture = numbers.field(e * 8 + 1);
            EXPECT_GE(picture, 1);
            EXPECT_LE(picture, albumPictureCount);
        }
    }
    EXPECT_TRUE(entrySizes.contains(2));
    EXPECT_TRUE(entrySizes.contains(3));
    EXPECT_LE(*entrySizes.rbegin(), 70);

    const std::vector<std::string> clips = lines(file(45));
    EXPECT_GE(clips.size(), 11u);
    EXPECT_EQ(clips.size(), std::size_t(videoClipCount));
    const auto clipRowFont = font("Read01 Naske", 27);
    EXPECT_TRUE(std::ranges::any_of(clips, [&](const std::string& t) { return clipRowFont->textWidth(t) > 148; }));

    const std::vector<std::string> names = lines(file(40));
    ASSERT_EQ(names.size(), 20u);
    for (std::size_t k = 0; k < names.size(); ++k) EXPECT_EQ(decodeLine(names[k]), shown(corpus::names()[k]));
}

// The codes the input method types for character code `key`, or nothing when it would show its
// message: the key's record or its fields are not numbers.
std::optional<std::vector<int>> typedCodes(int key) {
    const WholeTextFile keys = WholeTextFile::load("data1\\1\\3.txt");
    const WholeTextFile records = WholeTextFile::load("data1\\1\\c2.txt");
    const WholeTextFile forms = WholeTextFile::load("data1\\1\\c1.txt");
    try {
        const std::int64_t record = keys.field((key - 1) * 8 + 1);
        const Range range = pairAt(records, record * 16 + 1);
        std::vector<int> codes;
        if (range.first == 0 || range.second == 0) return codes;
        for (std::int64_t i = range.first; i <= range.second; ++i) codes.push_back(forms.field(i * 8 + 1));
        return codes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

TEST_F(KitTextTest, KeyboardTablesTypeTheCodeTablesLettersAndTheLettersTheInputMethodRetypes) {
    EXPECT_EQ(typedCodes('g'), (std::vector<int>{135, 134, 133, 132}));  // lam: initial, medial, final, isolated
    EXPECT_EQ(typedCodes('h')->front(), 31);  // the final form of each alef comes first
    EXPECT_EQ(typedCodes('N')->front(), 33);
    EXPECT_EQ(typedCodes('H')->front(), 35);
    EXPECT_EQ(typedCodes('Y')->front(), 37);
    for (int key = 1; key <= 126; ++key) {
        const Letter* letter = key >= 32 ? letterForKey(char(key)) : nullptr;
        const std::optional<std::vector<int>> codes = typedCodes(key);
        if (key < 32) {
            EXPECT_EQ(codes, std::vector<int>{}) << "control character " << key;
        } else if (!letter) {
            EXPECT_EQ(codes, std::nullopt) << "key " << char(key);
        } else {
            ASSERT_TRUE(codes) << "key " << char(key);
            const std::set<int> expected(letter->codes.begin(), letter->codes.end());
            EXPECT_EQ(std::set<int>(codes->begin(), codes->end()), expected) << "key " << char(key);
            EXPECT_EQ(codes->size(), letter->joining == Joining::dual ? 4u : letter->joining == Joining::right ? 2u : 1u);
        }
    }
}

// Every stored line of every text the kit writes, read back through the program's own map from the
// title's keyboard tables, is the text it was made from, as the fonts show it: without its marks,
// digits as Persian digits, and every zero-width non-joiner back in place.
TEST_F(KitTextTest, EveryStoredLineReadsBackAsTheTextItWasMadeFrom) {
    content::KeyboardTables keys;
    keys.load();
    const auto map = content::GlyphMap::derive(keys);
    const auto sources = shapedSources();
    const auto shownAsStored = [](std::string_view source) {
        const std::u32string characters = gfx::decodeUtf8(source).value();
        std::u32string text;
        for (char32_t c : characters) {
            c = normalised(c);
            if (const Letter* l = findLetter(c); !l || l->joining != Joining::mark) text += c;
        }
        return content::toUtf8(text);
    };
    int checked = 0, nonJoiners = 0;
    for (const auto& entry : fs::recursive_directory_iterator(tree->path())) {
        if (!entry.is_regular_file() || entry.path().extension() == ".fon") continue;
        std::string path = fs::relative(entry.path(), tree->path()).string();
        std::replace(path.begin(), path.end(), '/', '\\');
        for (std::string line : lines(path)) {
            if (const auto mark = line.find('\x0e'); mark != std::string::npos) line.erase(mark, 1);  // a player's white line
            const auto source = sources.find(line);
            const bool text = std::any_of(line.begin(), line.end(), [](char c) { return std::uint8_t(c) >= 128; });
            if (source == sources.end()) {
                EXPECT_FALSE(text) << path << ": a line of glyphs that the kit did not shape";
                continue;  // fields and numbers
            }
            const content::LogicalLine logical = content::toLogical(line, map);
            EXPECT_EQ(content::toUtf8(logical.text), shownAsStored(source->second)) << path;
            EXPECT_TRUE(logical.leftOut.empty()) << path;
            nonJoiners += int(std::count(logical.text.begin(), logical.text.end(), U'\u200C'));
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
    EXPECT_GT(nonJoiners, 600);
}

TEST_F(KitTextTest, TheTextFilesAreTheSameBytesOnEveryRun) {
    TempDir again;
    writeTextTree(again.path(), Speech::estimated);
    const auto bytes = [](const fs::path& f) {
        std::ifstream in(f, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(again.path())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), again.path());
        EXPECT_EQ(bytes(entry.path()), bytes(tree->path() / relative)) << relative;
        ++compared;
    }
    EXPECT_GT(compared, 80);
}

TEST(KitTextFiles, AFieldFileRefusesWhatWouldShiftItsFieldsAndWritesBlankFieldsAsBlanks) {
    TempDir dir;
    const fs::path f = dir.path() / "fields.dat";
    EXPECT_THROW(writeFieldFile(f, std::vector<FieldRecord>{{123456789}}, 1), std::out_of_range);
    EXPECT_THROW(writeFieldFile(f, std::vector<FieldRecord>{{1, 2}, {3}}, 2), std::invalid_argument);
    writeFieldFile(f, std::vector<FieldRecord>{{-1, 99999999}, {std::nullopt, 0}}, 2);
    std::ifstream in(f, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "      -199999999               0\r\n");
}

// ---- Narrations ------------------------------------------------------------------------------------

// Where the narration's long silences end: the pauses between pages.
std::vector<double> pauseEnds(const fs::path& narration) {
    const std::string log = runToolForOutput({"ffmpeg", "-hide_banner", "-nostdin", "-i", narration.string(), "-af",
                                              "silencedetect=n=-40dB:d=0.5,ametadata=mode=print:file=-", "-f", "null",
                                              "-"});
    std::vector<double> ends;
    const std::regex end(R"(lavfi\.silence_end=([0-9.]+))");
    for (auto m = std::sregex_iterator(log.begin(), log.end(), end); m != std::sregex_iterator(); ++m)
        ends.push_back(std::stod((*m)[1]));
    return ends;
}

TEST(KitNarration, EachPageMarkFallsWhereTheVoiceStartsThatPage) {
    TempDir tree;
    writeDisplayFonts(tree.path());
    writePlayers(tree.path(), Speech::spoken);
    content::setContentRoot(tree.path());
    const std::string probe = runToolForOutput(
        {"ffprobe", "-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", (tree.path() / "data1" / "qem05.dat").string()});
    const double length = std::stod(probe) * 1000;
    const WholeTextFile index = WholeTextFile::load(textFilePath(11));
    const double divisor = 7375882;  // the tour player's first variant
    const std::int64_t pages = recordCount(index, 24);
    ASSERT_EQ(pages, std::int64_t(corpus::tourNarrations()[0].pages.size()));
    const double lastStart = length / divisor * index.field((pages - 1) * 24 + 17);
    EXPECT_GT(lastStart, 0);
    EXPECT_LT(lastStart, length - 1000);  // the last page is spoken after its mark

    // A pause follows every page; the next page's mark falls at the end of that pause.
    const std::vector<double> ends = pauseEnds(tree.path() / "data1" / "qem05.dat");
    ASSERT_GE(ends.size(), std::size_t(pages - 1));
    for (std::int64_t p = 1; p < pages; ++p) {
        const double start = length / divisor * index.field(p * 24 + 17);
        EXPECT_NEAR(ends[std::size_t(p - 1)] * 1000, start, 250) << "page " << p + 1;
    }
    for (const char* narration : {"qem01.dat", "qem02.dat", "qem03.dat", "qem04.dat", "qem06.dat", "qem07.dat"})
        EXPECT_TRUE(fs::exists(tree.path() / "data1" / narration)) << narration;
    EXPECT_TRUE(fs::exists(tree.path() / "data4" / "223.dat"));
}

}  // namespace
}  // namespace vemra::kit
