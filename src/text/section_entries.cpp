#include "text/section_entries.h"

#include "content/content_error.h"
#include "content/text_readers.h"
#include "content/whole_text_file.h"
#include "shell/un4.h"

namespace vemra::text {

SectionEntries sectionEntries(int record, const ArticleIndex& index) {
    const content::WholeTextFile ranges(std::string(sectionRangesFile), content::wholeText(index.sectionRanges));
    const content::WholeTextFile entries(std::string(entryNumbersFile), content::wholeText(index.entryNumbers));
    const std::int64_t recordStart = (std::int64_t(record) - 1) * 16 + 1;
    const std::int32_t first = ranges.field(recordStart);
    const std::int32_t last = ranges.field(recordStart + 8);
    SectionEntries section;
    for (std::int64_t e = first; e <= last; ++e) {
        const std::int32_t line = entries.field(e * 8 + 1);
        if (line < 1 || std::size_t(line) > index.titleLines.size())
            throw content::ContentError(std::string(entryNumbersFile) + ": entry " + std::to_string(e) +
                                        " names title " + std::to_string(line) + ", but " +
                                        std::string(titleLinesFile) + " has " +
                                        std::to_string(index.titleLines.size()));
        section.articles.push_back(line - 1);
        section.titles.push_back(index.titleLines[std::size_t(line - 1)]);
    }
    return section;
}

SectionEntries sectionEntries(int record) {
    const shell::Un4& shared = shell::un4();
    return sectionEntries(record, {shared.sectionRanges, shared.entryNumbers, shared.titleLines});
}

}  // namespace vemra::text
