#include "app/text_export_logical.h"

namespace vemra::app {

namespace {

void count(std::map<std::uint8_t, ExportTally::Codes>& codes, const std::map<std::uint8_t, int>& found,
           const std::string& file) {
    for (const auto& [code, times] : found) {
        ExportTally::Codes& c = codes[code];
        c.count += times;
        c.files[file] += times;
    }
}

}  // namespace

void ExportTally::add(const content::LogicalLine& line, const std::string& file) {
    ++lines;
    glyphs += line.glyphs;
    count(leftOut, line.leftOut, file);
    count(marks, line.marksDropped, file);
}

LogicalTexts::LogicalTexts(const title::TextPage& page, const content::GlyphMap& map, ExportTally& tally)
    : map_(map), tally_(tally) {
    for (const title::TextNode& node : page.nodes) convert(node);
}

const std::vector<std::string>& LogicalTexts::of(const title::StoredText& text) const { return lines_.at(&text); }

void LogicalTexts::convert(const title::TextNode& node) {
    if (node.title) convert(*node.title, 1);
    // Each entry of a list is a text of its own.
    convert(node.text, node.listed ? int(node.text.lines.size()) : node.text.lines.empty() ? 0 : 1);
    for (const title::TextNode& child : node.children) convert(child);
}

void LogicalTexts::convert(const title::StoredText& text, int texts) {
    tally_.texts += texts;
    std::vector<std::string>& lines = lines_[&text];
    for (const std::string& stored : text.lines) {
        const content::LogicalLine line = content::toLogical(stored, map_);
        tally_.add(line, text.file);
        lines.push_back(content::toUtf8(line.text));
    }
}

}  // namespace vemra::app
