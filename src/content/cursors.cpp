#include "content/cursors.h"

#include "content/paths.h"
#include "platform/win/binary_reader.h"
#include "platform/win/cursor_file.h"

namespace vemra::content {

std::optional<ui::CursorShape> loadCursor(std::string_view contentPath) {
    const auto file = resolve(contentPath);
    if (!file) return std::nullopt;
    try {
        return win::readCursorFile(*file);
    } catch (const win::FormatError&) {
        return std::nullopt;
    }
}

}  // namespace vemra::content
