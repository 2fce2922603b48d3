#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/win/resource_id.h"

namespace vemra::win {

// The resources of a 32-bit Windows module (PE32 file), read as data and never executed.
// Opening checks the headers, the section table and the whole resource directory; malformed
// input throws FormatError.
class PeModule {
public:
    using StoredId = std::variant<std::uint16_t, std::u16string>;
    struct Resource {
        StoredId type;
        StoredId name;
        std::uint16_t language = 0;
        std::size_t offset = 0;  // in the file
        std::size_t size = 0;
    };

    static PeModule open(const std::filesystem::path& file);
    static PeModule fromBytes(std::vector<std::uint8_t> bytes, std::string what = "module");

    // The bytes of a resource, or nothing when the module has none of that type and name.
    // Of several languages, the neutral one is taken, else the first.
    std::optional<std::vector<std::uint8_t>> resource(const ResourceId& type, const ResourceId& name) const;
    // A bitmap resource decoded; a resource that is not a valid bitmap throws FormatError.
    std::optional<gfx::Bitmap> bitmap(const ResourceId& name) const;
    // Entry `id` of the string table, its UTF-16 code units below 256 as bytes and the others as
    // '?'. Nothing when the entry is missing or empty (as the Windows string loader reports).
    std::optional<std::string> string(std::uint16_t id) const;

    const std::vector<Resource>& resources() const { return resources_; }
    const std::string& what() const { return what_; }

private:
    PeModule(std::vector<std::uint8_t> bytes, std::string what);
    const Resource* find(const ResourceId& type, const ResourceId& name) const;

    std::vector<std::uint8_t> bytes_;
    std::string what_;
    std::vector<Resource> resources_;
};

}  // namespace vemra::win
