#include "title/text_files.h"

#include "content/content_error.h"
#include "content/text_readers.h"

namespace vemra::title {

const std::vector<std::string>& TextFiles::lines(std::string_view contentPath) {
    auto found = lines_.find(contentPath);
    if (found == lines_.end()) {
        std::variant<std::vector<std::string>, std::string> read;
        try {
            read = content::loadLines(contentPath);
        } catch (const content::ContentError& e) {
            read = std::string(e.what());
        }
        found = lines_.emplace(std::string(contentPath), std::move(read)).first;
    }
    if (const auto* problem = std::get_if<std::string>(&found->second)) throw content::ContentError(*problem);
    return std::get<std::vector<std::string>>(found->second);
}

std::vector<std::string> TextFiles::asked() const {
    std::vector<std::string> files;
    for (const auto& entry : lines_) files.push_back(entry.first);
    return files;
}

const content::WholeTextFile& TextFiles::whole(std::string_view contentPath) {
    auto found = whole_.find(contentPath);
    if (found == whole_.end())
        found = whole_.emplace(std::string(contentPath),
                               content::WholeTextFile(std::string(contentPath), content::wholeText(lines(contentPath))))
                    .first;
    return found->second;
}

}  // namespace vemra::title
