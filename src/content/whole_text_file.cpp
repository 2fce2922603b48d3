#include "content/whole_text_file.h"

#include "content/content_error.h"
#include "content/text_readers.h"

namespace vemra::content {

WholeTextFile WholeTextFile::load(std::string_view contentPath) {
    return {std::string(contentPath), wholeText(loadLines(contentPath))};
}

std::int32_t WholeTextFile::field(std::int64_t position) const {
    try {
        return readField(text_, position);
    } catch (const ContentError& e) {
        throw ContentError(name_ + ": " + e.what());
    }
}

std::string WholeTextFile::slice(std::int64_t offset, std::int64_t length) const {
    return content::slice(text_, offset, length);
}

}  // namespace vemra::content
