#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vemra::kit {

// Text that the display fonts cannot show: invalid UTF-8 or a character without a glyph.
class ShapeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Persian text (UTF-8, in reading order) as glyph codes of the display fonts in visual order:
// the first byte is the leftmost glyph. Letters take the form their neighbours call for, lam and
// alef become one ligature, a mark's code goes just before its letter's (a mark is drawn over the
// glyph after it), numbers keep their digits in reading order, and a zero-width non-joiner only
// breaks the join. Latin and Arabic-Indic digits become Persian ones; Arabic kaf and yeh become
// the Persian letters. Throws ShapeError naming the first character it cannot show.
std::string shape(std::string_view utf8);

// The character the fonts show for `c`: Latin and Arabic-Indic digits as Persian ones, Arabic kaf
// and yeh as the Persian letters.
char32_t normalised(char32_t c);

// Every text shaped so far, by its glyph codes: the logical text each stored line was made from,
// so that tests can read a line back against its source.
std::map<std::string, std::string> shapedSources();

}  // namespace vemra::kit
