#include "content/text_readers.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <cstdio>
#include <exception>

#include "content/content_error.h"
#include "content/content_file.h"
#include "content/content_source.h"
#include "platform/win/binary_file.h"
#include "platform/win/text_lines.h"

namespace vemra::content {
namespace {

constexpr std::size_t fieldWidth = 8;

bool blankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The bytes as a quoted string, non-printing bytes as \xNN.
std::string quoted(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        }
    }
    return out + "\"";
}

}  // namespace

std::vector<std::string> loadLines(std::string_view contentPath) {
    const std::vector<std::uint8_t> bytes = readContentFile(contentPath, FileKind::text);
    std::vector<std::string> lines;
    for (const auto& line : win::splitLines({reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
        lines.emplace_back(line.text);
    return lines;
}

std::string wholeText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) (text += line) += "\r\n";
    return text;
}

std::int32_t readField(std::string_view text, std::int64_t position) {
    const std::string where = "field at position " + std::to_string(position);
    if (position < 1) throw ContentError(where + ": positions start at 1");
    const std::string_view found =
        std::uint64_t(position) > text.size() ? std::string_view{} : text.substr(std::size_t(position - 1), fieldWidth);
    std::string_view digits = found;
    while (!digits.empty() && blankOrControl(digits.front())) digits.remove_prefix(1);
    while (!digits.empty() && blankOrControl(digits.back())) digits.remove_suffix(1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);

    // Eight characters hold at most eight digits, so the value always fits.
    std::uint32_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw ContentError(where + ": " + quoted(found) + " is not a decimal integer");
    return negative ? -std::int32_t(magnitude) : std::int32_t(magnitude);
}

std::string slice(std::string_view text, std::int64_t offset, std::int64_t length) {
    const std::int64_t size = std::int64_t(text.size());
    if (offset >= size || length <= 0) return {};
    const std::int64_t begin = std::max<std::int64_t>(offset, 0);
    const std::int64_t end = std::clamp<std::int64_t>(offset + std::min(length, size + 1), begin, size);
    return std::string(text.substr(std::size_t(begin), std::size_t(end - begin)));
}

}  // namespace vemra::content
