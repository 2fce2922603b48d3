#include "kit/gen_names.h"

#include "kit/corpus/corpus.h"
#include "kit/text_files.h"
#include "kit/text_layout.h"

namespace vemra::kit {

namespace {

// The rows are 392 pixels wide.
constexpr TextArea nameRow{"Read01 Naske", 40, 392};

}  // namespace

void writeNamesList(const std::filesystem::path& root) {
    DisplayFonts fonts(root);
    const LineBreaker row(fonts, nameRow);
    std::vector<std::string> lines;
    for (const std::string_view name : corpus::names()) lines.push_back(row.line(name));
    writeLineFile(contentFile(root, textFilePath(40)), lines);
}

}  // namespace vemra::kit
