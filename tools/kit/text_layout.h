#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"

namespace vemra::kit {

// The display fonts of a content tree ("read01.fon", "read02.fon"), read through the program's
// own font layer, so that texts are measured exactly as the screens will draw them.
class DisplayFonts {
public:
    explicit DisplayFonts(const std::filesystem::path& root);

    // The registered face at exactly this character height; throws when the tree has none.
    std::shared_ptr<const gfx::Font> font(std::string_view face, int height);

private:
    gfx::FontLibrary library_;
};

// Where a screen draws lines of text: its font and the room a line may take.
struct TextArea {
    std::string_view face;
    int height = 0;
    int width = 0;
};

// The width of a line drawn glyph by glyph: zero-advance codes (the marks) take no room.
int drawnWidth(const gfx::Font& font, std::string_view glyphs);

// Turns text in reading order (UTF-8) into display lines of glyph codes that fit a text area.
class LineBreaker {
public:
    LineBreaker(DisplayFonts& fonts, TextArea area);

    // The paragraph broken between words, as many words a line as fit. Throws when one word alone
    // is wider than the area.
    std::vector<std::string> lines(std::string_view paragraph) const;
    // Each paragraph starts a new line.
    std::vector<std::string> lines(std::span<const std::string_view> paragraphs) const;
    // A text that must stand on one line, such as a title drawn glyph by glyph; throws when it is
    // wider than the area.
    std::string line(std::string_view text) const;

private:
    std::shared_ptr<const gfx::Font> font_;
    int width_;
};

}  // namespace vemra::kit
