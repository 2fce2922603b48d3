#include "kit/gen_clips_text.h"

#include <stdexcept>

#include "kit/corpus/corpus.h"
#include "kit/demo_sizes.h"
#include "kit/shaper.h"
#include "kit/text_files.h"

namespace vemra::kit {

void writeClipTitles(const std::filesystem::path& root) {
    std::vector<std::string> titles;
    for (const std::string_view title : corpus::clipTitles()) titles.push_back(shape(title));
    if (titles.size() != std::size_t(videoClipCount)) throw std::logic_error("every video clip needs its title");
    writeLineFile(contentFile(root, textFilePath(45)), titles);
}

}  // namespace vemra::kit
