#include "kit/text_layout.h"

#include <algorithm>
#include <stdexcept>

#include "kit/display_fonts.h"
#include "kit/shaper.h"
#include "platform/gfx/glyph_line.h"

namespace vemra::kit {

DisplayFonts::DisplayFonts(const std::filesystem::path& root) {
    for (const DisplayFontFile& file : displayFontFiles())
        if (library_.registerFile(root / file.file) == 0)
            throw std::runtime_error("the display font " + (root / file.file).string() + " cannot be read");
}

std::shared_ptr<const gfx::Font> DisplayFonts::font(std::string_view face, int height) {
    const std::vector<int> heights = library_.heightsOf(face);
    if (std::find(heights.begin(), heights.end(), height) == heights.end())
        throw std::runtime_error("the display fonts have no " + std::string(face) + " of height " +
                                 std::to_string(height));
    return library_.font({.face = std::string(face), .height = height});
}

int drawnWidth(const gfx::Font& font, std::string_view glyphs) {
    static const gfx::ZeroAdvanceCodes zeroAdvance = gfx::standardZeroAdvanceCodes();
    int width = 0;
    for (const char c : glyphs)
        if (!zeroAdvance.test(std::uint8_t(c))) width += font.advance(std::uint8_t(c));
    return width;
}

LineBreaker::LineBreaker(DisplayFonts& fonts, TextArea area) : font_(fonts.font(area.face, area.height)), width_(area.width) {}

std::vector<std::string> LineBreaker::lines(std::string_view paragraph) const {
    std::vector<std::string> result;
    std::string line;    // reading order, the words placed so far
    std::string shaped;  // `line` as glyph codes
    for (std::size_t start = 0; start < paragraph.size();) {
        const std::size_t end = std::min(paragraph.find(' ', start), paragraph.size());
        const std::string word(paragraph.substr(start, end - start));
        start = end + 1;
        if (word.empty()) continue;
        if (!line.empty()) {
            std::string longer = line + ' ' + word;
            std::string longerShaped = shape(longer);
            if (drawnWidth(*font_, longerShaped) <= width_) {
                line = std::move(longer);
                shaped = std::move(longerShaped);
                continue;
            }
            result.push_back(std::move(shaped));
        }
        shaped = this->line(word);
        line = word;
    }
    if (!line.empty()) result.push_back(std::move(shaped));
    return result;
}

std::vector<std::string> LineBreaker::lines(std::span<const std::string_view> paragraphs) const {
    std::vector<std::string> result;
    for (const std::string_view paragraph : paragraphs) {
        std::vector<std::string> more = lines(paragraph);
        result.insert(result.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return result;
}

std::string LineBreaker::line(std::string_view text) const {
    std::string shaped = shape(text);
    if (drawnWidth(*font_, shaped) > width_)
        throw std::runtime_error("\"" + std::string(text) + "\" is wider than " + std::to_string(width_) + " pixels");
    return shaped;
}

}  // namespace vemra::kit
