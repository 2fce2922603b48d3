// Line splitting, whole text, field reading and slicing on arbitrary text and positions.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "content/content_error.h"
#include "content/text_readers.h"
#include "platform/win/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra;
    std::int64_t numbers[2] = {};
    const std::size_t header = std::min(size, sizeof numbers);
    std::memcpy(numbers, data, header);
    const std::string_view text(reinterpret_cast<const char*>(data) + header, size - header);

    std::vector<std::string> lines;
    std::size_t lineBytes = 0;
    for (const auto& line : win::splitLines(text)) {
        lines.emplace_back(line.text);
        lineBytes += line.text.size() + line.ending.size();
    }
    if (lineBytes != text.size()) __builtin_trap();
    const std::string whole = content::wholeText(lines);

    const std::int64_t position = numbers[0] % 4096;
    try {
        content::readField(whole, position);
    } catch (const content::ContentError&) {
    }
    const std::string piece = content::slice(whole, numbers[0], numbers[1]);
    if (piece.size() > whole.size() || (numbers[1] >= 0 && piece.size() > std::uint64_t(numbers[1]))) __builtin_trap();
    return 0;
}
