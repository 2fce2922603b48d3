#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "title/text_files.h"

namespace vemra::title {

// Lines of a text as the content stores them (glyph codes in visual order), and their file.
struct StoredText {
    std::string file;
    std::vector<std::string> lines;
};

// A heading and what stands under it: a title as the content stores it, or the program's own
// words where the content has none; a text, as running lines or as a list of entries (titles);
// and the headings below it.
struct TextNode {
    std::string label{};
    std::optional<StoredText> title{};
    StoredText text{};
    bool listed = false;
    std::vector<TextNode> children{};
};

// The texts a window of the title shows, and those of the windows it opens for its entries (the
// articles of a list, the texts of a list of titles), in the order the window lists them.
struct TextPage {
    std::string window;
    std::string what;  // what the window is, in the program's words
    std::vector<TextNode> nodes{};
    std::vector<std::string> damage{};  // what could not be read, each naming its file
};

// The windows that show texts of their own, in the order of the navigation map.
std::vector<std::string_view> textWindows();

// The texts of one of those windows, read as its screens read them and with what they leave out
// (a part too short to be picked, titles beyond the last record). A file or record that cannot be
// read leaves out what needs it, and the page says so.
TextPage collectTexts(std::string_view window, TextFiles& files);

}  // namespace vemra::title
