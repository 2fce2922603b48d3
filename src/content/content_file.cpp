#include "content/content_file.h"

#include <string>

#include "content/content_error.h"
#include "content/paths.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"

namespace vemra::content {

std::vector<std::uint8_t> readContentFile(std::string_view contentPath) {
    const auto file = resolve(contentPath);
    if (!file) throw ContentError("cannot open " + std::string(contentPath) + ": no such file");
    try {
        return win::readBinaryFile(*file, std::string(contentPath));
    } catch (const win::FormatError& e) {
        throw ContentError(e.what());
    }
}

}  // namespace vemra::content
