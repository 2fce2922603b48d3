#include "kit/gen_secondary_texts.h"

#include <stdexcept>

#include "kit/corpus/corpus.h"
#include "kit/shaper.h"
#include "kit/text_files.h"
#include "kit/text_layout.h"

namespace vemra::kit {

namespace {

// Both screens draw left to right: the one-text screen from 1 pixel inside a text area 478 pixels
// wide, the list screen from 5 pixels inside one 367 pixels wide.
constexpr TextArea serviceTextArea{"msread", 19, 476};
constexpr TextArea listTextArea{"msread", 19, 362};

constexpr int firstServiceText = 100;  // kind k reads text file k + 99
constexpr std::size_t serviceKinds = 11;

// A list screen's title file and, from `firstText`, one text file per title. The file numbers
// leave room for `capacity` titles.
struct TitledList {
    int listFile;
    int firstText;
    std::size_t capacity;
};
constexpr TitledList courses{132, 111, 21};
constexpr TitledList questions{151, 141, 10};

void writeTitledList(const std::filesystem::path& root, const LineBreaker& lines, const TitledList& list,
                     const std::vector<corpus::TitledText>& entries) {
    if (entries.size() > list.capacity)
        throw std::logic_error(std::to_string(entries.size()) + " titles where the file names leave room for " +
                               std::to_string(list.capacity));
    std::vector<std::string> titles;
    int file = list.firstText;
    for (const corpus::TitledText& entry : entries) {
        titles.push_back(shape(entry.title));
        writeLineFile(contentFile(root, textFilePath(file++)), lines.lines(entry.text));
    }
    writeLineFile(contentFile(root, textFilePath(list.listFile)), titles);
}

}  // namespace

void writeSecondaryTexts(const std::filesystem::path& root) {
    DisplayFonts fonts(root);

    if (corpus::serviceTexts().size() != serviceKinds)
        throw std::logic_error("the one-text screen needs a text for each of its " + std::to_string(serviceKinds) +
                               " kinds");
    const LineBreaker serviceLines(fonts, serviceTextArea);
    int file = firstServiceText;
    for (const corpus::Paragraphs& text : corpus::serviceTexts())
        writeLineFile(contentFile(root, textFilePath(file++)), serviceLines.lines(text));

    const LineBreaker listLines(fonts, listTextArea);
    writeTitledList(root, listLines, courses, corpus::courseTexts());
    writeTitledList(root, listLines, questions, corpus::questionTexts());
}

}  // namespace vemra::kit
