#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vemra::win {

// Well-known resource types.
namespace resource_types {
inline constexpr std::uint16_t cursor = 1;
inline constexpr std::uint16_t bitmap = 2;
inline constexpr std::uint16_t string = 6;
inline constexpr std::uint16_t groupCursor = 12;
}  // namespace resource_types

// A resource type or name as a program asks for it: an integer identifier, or a name of 8-bit
// characters. As with the Windows resource functions, "#123" stands for the identifier 123.
class ResourceId {
public:
    ResourceId(std::uint16_t id) : value_(id) {}
    ResourceId(int id) : value_(std::uint16_t(id)) {}
    ResourceId(std::string_view name);
    ResourceId(const char* name) : ResourceId(std::string_view(name)) {}
    ResourceId(const std::string& name) : ResourceId(std::string_view(name)) {}

    bool isNumber() const { return std::holds_alternative<std::uint16_t>(value_); }
    std::uint16_t number() const { return std::get<std::uint16_t>(value_); }
    const std::string& name() const { return std::get<std::string>(value_); }
    // Names are compared with ASCII case folding of their 16-bit code units.
    bool matches(const std::variant<std::uint16_t, std::u16string>& stored) const;
    std::string text() const;  // for messages: the name, or "#" and the number

private:
    std::variant<std::uint16_t, std::string> value_;
};

}  // namespace vemra::win
