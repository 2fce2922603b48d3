#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vemra::content {

// A field file or text pool read whole (its lines joined by wholeText), keeping its name so that
// a bad field is reported with the file it came from.
class WholeTextFile {
public:
    static WholeTextFile load(std::string_view contentPath);
    WholeTextFile(std::string name, std::string text) : name_(std::move(name)), text_(std::move(text)) {}

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    // readField and slice on the whole text.
    std::int32_t field(std::int64_t position) const;
    std::string slice(std::int64_t offset, std::int64_t length) const;

private:
    std::string name_;
    std::string text_;
};

}  // namespace vemra::content
