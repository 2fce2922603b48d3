#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vemra::kit {

// The file a content path ("data2\qem0024.dat", backslashes between the parts) names under `root`.
std::filesystem::path contentFile(const std::filesystem::path& root, std::string_view contentPath);
// The content path of text file n: "data2\qem" + n with four digits + ".dat" (qem0024, qem0111).
std::string textFilePath(int n);

// A line file: every line followed by CR LF. A line is glyph codes and holds no CR or LF.
void writeLineFile(const std::filesystem::path& file, std::span<const std::string> lines);

// A field file: every value an 8-character field, blanks before its digits, all on one line
// (a line break would shift the fields after it). Every record holds `fieldsPerRecord` values; a
// field without a value is eight blanks, which no reader takes for a number.
using Field = std::optional<std::int64_t>;
using FieldRecord = std::vector<Field>;
void writeFieldFile(const std::filesystem::path& file, std::span<const FieldRecord> records,
                    std::size_t fieldsPerRecord);

// Where a text lies in a text pool: after `offset` characters of its whole text, `length` long.
struct PoolRange {
    std::int64_t offset = 0;
    std::int64_t length = 0;
};

// A text pool built line by line. Its whole text is its lines each followed by CR LF, as the
// readers join them; a text of several lines is found with the CR LF between its lines and
// without the one after its last line.
class TextPool {
public:
    PoolRange add(std::span<const std::string> lines);
    PoolRange add(const std::string& line) { return add(std::span(&line, 1)); }

    const std::vector<std::string>& lines() const { return lines_; }
    // The length of the whole text so far.
    std::int64_t size() const { return size_; }
    void write(const std::filesystem::path& file) const { writeLineFile(file, lines_); }

private:
    std::vector<std::string> lines_;
    std::int64_t size_ = 0;
};

}  // namespace vemra::kit
