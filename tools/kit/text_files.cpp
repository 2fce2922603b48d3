#include "kit/text_files.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace vemra::kit {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::size_t fieldWidth = 8;

void checkLine(std::string_view line) {
    if (line.find_first_of(lineEnd) != std::string_view::npos)
        throw std::invalid_argument("a line of a text file holds a line end");
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string field(Field value) {
    if (!value) return std::string(fieldWidth, ' ');
    char text[32];
    std::snprintf(text, sizeof text, "%8lld", static_cast<long long>(*value));
    if (std::string_view(text).size() != fieldWidth)
        throw std::out_of_range("the value " + std::string(text) + " does not fit an 8-character field");
    return text;
}

}  // namespace

std::filesystem::path contentFile(const std::filesystem::path& root, std::string_view contentPath) {
    std::filesystem::path file = root;
    for (std::size_t start = 0;;) {
        const std::size_t end = contentPath.find('\\', start);
        file /= std::string(contentPath.substr(start, end - start));
        if (end == std::string_view::npos) return file;
        start = end + 1;
    }
}

std::string textFilePath(int n) {
    char path[32];
    std::snprintf(path, sizeof path, "data2\\qem%04d.dat", n);
    return path;
}

void writeLineFile(const std::filesystem::path& file, std::span<const std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        checkLine(line);
        bytes += line;
        bytes += lineEnd;
    }
    writeBytes(file, bytes);
}

void writeFieldFile(const std::filesystem::path& file, std::span<const FieldRecord> records,
                    std::size_t fieldsPerRecord) {
    std::string line;
    for (const FieldRecord& record : records) {
        if (record.size() != fieldsPerRecord)
            throw std::invalid_argument(file.filename().string() + ": a record of " + std::to_string(record.size()) +
                                        " fields where " + std::to_string(fieldsPerRecord) + " belong");
        for (const Field& value : record) line += field(value);
    }
    writeLineFile(file, std::span(&line, 1));
}

PoolRange TextPool::add(std::span<const std::string> lines) {
    const std::int64_t offset = size_;
    for (const std::string& line : lines) {
        checkLine(line);
        lines_.push_back(line);
        size_ += std::int64_t(line.size() + lineEnd.size());
    }
    const std::int64_t length = lines.empty() ? 0 : size_ - offset - std::int64_t(lineEnd.size());
    return {offset, length};
}

}  // namespace vemra::kit
