#include "text/section_entries.h"

#include "content/content_error.h"
#include "content/text_readers.h"
#include "content/whole_text_file.h"
#include "shell/un4.h"

namespace vemra::text {

SectionEntries sectionEntries(int record) {
    const shell::Un4& shared = shell::un4();
    const content::WholeTextFile ranges("data2\\qem0001.dat", content::wholeText(shared.sectionRanges));
    const content::WholeTextFile entries("data2\\qem0002.dat", content::wholeText(shared.entryNumbers));
    const std::int64_t recordStart = (std::int64_t(record) - 1) * 16 + 1;
    const std::int32_t first = ranges.field(recordStart);
    const std::int32_t last = ranges.field(recordStart + 8);
    SectionEntries section;
    for (std::int64_t e = first; e <= last; ++e) {
        const std::int32_t line = entries.field(e * 8 + 1);
        if (line < 1 || std::size_t(line) > shared.titleLines.size())
            throw content::ContentError("data2\\qem0002.dat: entry " + std::to_string(e) + " names title " +
                                        std::to_string(line) + ", but data2\\qem0024.dat has " +
                                        std::to_string(shared.titleLines.size()));
        section.articles.push_back(line - 1);
        section.titles.push_back(shared.titleLines[std::size_t(line - 1)]);
    }
    return section;
}

}  // namespace vemra::text
