#include "kit/gen_players.h"

#include <stdexcept>

#include "kit/corpus/corpus.h"
#include "kit/narration.h"
#include "kit/shaper.h"
#include "kit/text_files.h"
#include "kit/text_layout.h"

namespace vemra::kit {

namespace {

// The tour player draws up to ten lines in a panel 363 pixels wide, the line ending at its right
// edge, and shows a line that holds code 14 in white (without the code); the story player draws up
// to eight lines in a panel 483 pixels wide.
constexpr TextArea tourPageArea{"Read01 Naske", 29, 358};
constexpr TextArea storyPageArea{"Read01 Naske", 35, 478};
// The story player shows the story's title centred in a label 217 pixels wide.
constexpr TextArea storyTitleArea{"Read01 Naske", 35, 217};
constexpr char whiteLine = 14;

constexpr std::size_t tourPageLimit = 151;
constexpr std::size_t storyPageLimit = 97;
constexpr std::size_t contentsLimit = 101;

// The files of one narration. The contents files are 0 for the story player, which has none.
struct PlayerFiles {
    int pageIndex;
    int pageText;
    int contentsIndex;
    int contentsText;
    std::string_view narration;
    std::int64_t markDivisor;
};

constexpr PlayerFiles tourFiles[] = {
    {11, 12, 9, 10, "data1\\qem05.dat", 7375882},
    {43, 44, 41, 42, "data4\\223.dat", 5507604},
};
constexpr PlayerFiles storyFiles[] = {
    {18, 19, 0, 0, "data1\\qem01.dat", 5028205}, {20, 21, 0, 0, "data1\\qem03.dat", 909714},
    {22, 23, 0, 0, "data1\\qem04.dat", 330292},  {35, 36, 0, 0, "data1\\qem02.dat", 909583},
    {33, 34, 0, 0, "data1\\qem07.dat", 2088542}, {31, 32, 0, 0, "data1\\qem06.dat", 1064646},
};
constexpr int storyTitlesFile = 46;

// What is spoken for a page: its heading, then its text.
std::string spokenText(const corpus::NarrationPage& page) {
    std::string text(page.heading);
    if (!text.empty()) text += ".\n";
    for (const std::string_view paragraph : page.text) {
        text += paragraph;
        text += '\n';
    }
    return text;
}

std::vector<std::string> pageLines(const corpus::NarrationPage& page, const LineBreaker& lines) {
    std::vector<std::string> result;
    if (!page.heading.empty()) result.push_back(whiteLine + lines.line(page.heading));
    std::vector<std::string> text = lines.lines(page.text);
    result.insert(result.end(), text.begin(), text.end());
    return result;
}

void writePlayer(const std::filesystem::path& root, const PlayerFiles& files, const corpus::Narration& narration,
                 const LineBreaker& lines, std::size_t pageLimit, Speech speech) {
    if (narration.pages.size() > pageLimit || narration.contents.size() > contentsLimit)
        throw std::logic_error("the narration \"" + std::string(narration.title) + "\" has more pages or contents"
                               " entries than the player holds");
    std::vector<std::string> spoken;
    for (const corpus::NarrationPage& page : narration.pages) spoken.push_back(spokenText(page));
    const NarrationTiming timing = speech == Speech::spoken
                                       ? writeNarration(contentFile(root, files.narration), spoken)
                                       : estimatedTiming(spoken);
    const auto mark = [&](std::size_t page) { return timeMark(timing.pageStarts[page], timing.length, files.markDivisor); };

    TextPool pages;
    std::vector<FieldRecord> pageIndex;
    for (std::size_t p = 0; p < narration.pages.size(); ++p) {
        const PoolRange range = pages.add(pageLines(narration.pages[p], lines));
        pageIndex.push_back({range.offset, range.length, mark(p)});
    }
    writeFieldFile(contentFile(root, textFilePath(files.pageIndex)), pageIndex, 3);
    pages.write(contentFile(root, textFilePath(files.pageText)));
    if (files.contentsIndex == 0) return;

    TextPool captions;
    std::vector<FieldRecord> contents;
    for (const corpus::ContentsEntry& entry : narration.contents) {
        if (entry.page < 1 || std::size_t(entry.page) > narration.pages.size())
            throw std::logic_error("a contents entry names page " + std::to_string(entry.page) + " of \"" +
                                   std::string(narration.title) + "\"");
        const PoolRange range = captions.add(shape(entry.caption));
        contents.push_back({range.offset, range.length, entry.page, mark(std::size_t(entry.page) - 1)});
    }
    writeFieldFile(contentFile(root, textFilePath(files.contentsIndex)), contents, 4);
    captions.write(contentFile(root, textFilePath(files.contentsText)));
}

}  // namespace

void writePlayers(const std::filesystem::path& root, Speech speech) {
    DisplayFonts fonts(root);
    const auto& tours = corpus::tourNarrations();
    const auto& stories = corpus::storyNarrations();
    if (tours.size() != std::size(tourFiles) || stories.size() != std::size(storyFiles))
        throw std::logic_error("each variant of the players needs its own narration");

    const LineBreaker tourLines(fonts, tourPageArea);
    for (std::size_t v = 0; v < tours.size(); ++v)
        writePlayer(root, tourFiles[v], tours[v], tourLines, tourPageLimit, speech);

    const LineBreaker storyLines(fonts, storyPageArea), storyTitle(fonts, storyTitleArea);
    std::vector<std::string> titles;
    for (std::size_t v = 0; v < stories.size(); ++v) {
        writePlayer(root, storyFiles[v], stories[v], storyLines, storyPageLimit, speech);
        titles.push_back(storyTitle.line(stories[v].title));
    }
    writeLineFile(contentFile(root, textFilePath(storyTitlesFile)), titles);
}

void writePlayers(const std::filesystem::path& root) { writePlayers(root, Speech::spoken); }

}  // namespace vemra::kit
