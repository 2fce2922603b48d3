#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "content/glyph_map.h"
#include "content/logical_text.h"
#include "title/title_texts.h"

namespace vemra::app {

// What an export converted: texts (a title, an entry of a list, a text of lines), lines and
// glyphs, and the codes it could not carry over, with how often and in which files.
struct ExportTally {
    struct Codes {
        int count = 0;
        std::map<std::string, int> files;
    };
    int texts = 0;
    int lines = 0;
    int glyphs = 0;
    std::map<std::uint8_t, Codes> leftOut;  // codes the map does not reach
    std::map<std::uint8_t, Codes> marks;    // zero-advance marks no key types, dropped

    void add(const content::LogicalLine& line, const std::string& file);
};

// The logical text of every stored text of a page, in UTF-8, one string a stored line, counted
// into the tally as it is converted.
class LogicalTexts {
public:
    LogicalTexts(const title::TextPage& page, const content::GlyphMap& map, ExportTally& tally);

    const std::vector<std::string>& of(const title::StoredText& text) const;

private:
    void convert(const title::TextNode& node);
    void convert(const title::StoredText& text, int texts);

    const content::GlyphMap& map_;
    ExportTally& tally_;
    std::unordered_map<const title::StoredText*, std::vector<std::string>> lines_;
};

}  // namespace vemra::app
