#include "content/content_file.h"

#include "content/content_source.h"

namespace vemra::content {

std::vector<std::uint8_t> readContentFile(std::string_view contentPath) { return contentSource().read(contentPath); }

}  // namespace vemra::content
