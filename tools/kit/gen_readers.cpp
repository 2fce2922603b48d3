#include "kit/gen_readers.h"

#include "kit/corpus/corpus.h"
#include "kit/text_files.h"
#include "kit/text_layout.h"

namespace vemra::kit {

namespace {

// The reading screen draws its titles from 5 pixels inside rows 173 pixels wide, its texts from
// 5 pixels inside a text area 364 pixels wide.
constexpr TextArea readingTitleArea{"Read01 Naske", 27, 168};
constexpr TextArea readingTextArea{"Read01 Naske", 32, 359};
// The place text box is 221 pixels wide, with a vertical scroll bar and its border.
constexpr TextArea placeTextArea{"Read01 Naske", 29, 196};

// A pool of texts and the field file that indexes it: start and length of each text.
void writeIndexedTexts(const std::filesystem::path& root, int indexFile, int poolFile,
                       const std::vector<std::vector<std::string>>& texts) {
    TextPool pool;
    std::vector<FieldRecord> index;
    for (const std::vector<std::string>& text : texts) {
        const PoolRange range = pool.add(text);
        index.push_back({range.offset, range.length});
    }
    writeFieldFile(contentFile(root, textFilePath(indexFile)), index, 2);
    pool.write(contentFile(root, textFilePath(poolFile)));
}

}  // namespace

void writeReadingTexts(const std::filesystem::path& root) {
    DisplayFonts fonts(root);

    const LineBreaker titleLines(fonts, readingTitleArea), textLines(fonts, readingTextArea);
    std::vector<std::string> titles;
    std::vector<std::vector<std::string>> texts;
    for (const corpus::TitledText& entry : corpus::readingTexts()) {
        titles.push_back(titleLines.line(entry.title));
        texts.push_back(textLines.lines(entry.text));
    }
    writeLineFile(contentFile(root, textFilePath(15)), titles);
    writeIndexedTexts(root, 16, 17, texts);

    const LineBreaker placeLines(fonts, placeTextArea);
    std::vector<std::vector<std::string>> places;
    for (const corpus::Paragraphs& place : corpus::placeTexts()) places.push_back(placeLines.lines(place));
    writeIndexedTexts(root, 13, 14, places);
}

}  // namespace vemra::kit
