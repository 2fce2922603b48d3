#include "platform/win/resource_id.h"

#include <charconv>

namespace vemra::win {
namespace {

char16_t foldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

}  // namespace

ResourceId::ResourceId(std::string_view name) : value_(std::string(name)) {
    unsigned id = 0;
    if (name.size() > 1 && name[0] == '#') {
        const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), id);
        if (error == std::errc() && end == name.data() + name.size() && id <= 0xFFFF) value_ = std::uint16_t(id);
    }
}

bool ResourceId::matches(const std::variant<std::uint16_t, std::u16string>& stored) const {
    if (isNumber()) return std::holds_alternative<std::uint16_t>(stored) && std::get<std::uint16_t>(stored) == number();
    if (!std::holds_alternative<std::u16string>(stored)) return false;
    const auto& s = std::get<std::u16string>(stored);
    const std::string& n = name();
    if (s.size() != n.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (foldAscii(s[i]) != foldAscii(char16_t(static_cast<unsigned char>(n[i])))) return false;
    return true;
}

std::string ResourceId::text() const { return isNumber() ? "#" + std::to_string(number()) : name(); }

}  // namespace vemra::win
