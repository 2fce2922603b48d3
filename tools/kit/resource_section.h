#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace vemra::kit {

// A resource type or name as stored: a name (UTF-16) or a number. Names sort before numbers, as
// the resource directory wants them.
using ResourceKey = std::variant<std::u16string, std::uint16_t>;
using ResourceTree = std::map<ResourceKey, std::map<ResourceKey, std::vector<std::uint8_t>>>;

// The resource section of a module, every resource in the neutral language, for a section that is
// loaded at `rva`: the directory tables (type, name, language), the data entries, the names, the data.
std::vector<std::uint8_t> resourceSection(const ResourceTree& tree, std::uint32_t rva);

}  // namespace vemra::kit
