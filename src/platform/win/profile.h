#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vemra::win {

// One entry of a profile (".ini") file, read and written by the rules of the Windows profile
// functions: section and key names compare case-insensitively (ASCII), blanks around names and
// values do not count, "key=value" lines belong to the "[section]" line above them, and lines
// starting with ';' are comments. Text is bytes; nothing is converted.

// The entry's value, with one pair of enclosing quotes removed; `fallback` when the file, the
// section or the key is missing or the file cannot be read.
std::string readProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                              std::string_view fallback);

// Sets the entry, keeping every other line of the file byte for byte and the file's line ends.
// A missing key is added after the last line of its section, a missing section at the end of the
// file, a missing file is created. The new content goes to a temporary file that then replaces the
// old one, so the file is never left half-written; a file that exists but cannot be read, or that
// the user may not write (read-only), is left alone. Throws std::invalid_argument for names or
// values that a profile line cannot hold, std::runtime_error when the file cannot be written.
void writeProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value);

// The same two on a profile's text in memory: the entry's value, and the text with the entry set
// (throws std::invalid_argument as above).
std::string profileValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view fallback);
std::string withProfileEntry(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace vemra::win
