#pragma once

#include <filesystem>

namespace vemra::app {

// Writes every text of the content tree chosen before as UTF-8 into the folder `out`, which must
// not lie inside the content: a book of HTML pages (html/index.html and a page a window, in the
// order of the navigation map) and the same pages as plain text (text/). Opens no window. A file
// that cannot be read is named and left out and the export goes on. Shows a progress bar while
// standard error is a terminal, and ends with a report on standard output. Returns the exit
// code: 0, 1 when something was left out, 2 when `out` cannot be written.
int exportText(const std::filesystem::path& out);

}  // namespace vemra::app
