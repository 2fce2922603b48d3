#include "content/cursors.h"

#include "content/content_error.h"
#include "content/content_file.h"
#include "platform/win/binary_reader.h"
#include "platform/win/cursor_file.h"

namespace vemra::content {

std::optional<ui::CursorShape> loadCursor(std::string_view contentPath) {
    // A cursor file that does not load, whatever the reason, leaves the cursor unset without a word.
    try {
        return win::decodeCursorFile(readContentFile(contentPath, FileKind::cursor));
    } catch (const ContentError&) {
        return std::nullopt;
    } catch (const win::FormatError&) {
        return std::nullopt;
    }
}

}  // namespace vemra::content
