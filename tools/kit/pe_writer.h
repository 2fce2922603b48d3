#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "kit/resource_section.h"
#include "platform/gfx/bitmap.h"
#include "platform/win/resource_id.h"

namespace vemra::kit {

// A 32-bit resource-only Windows module: a PE32 library with no code and one resource section.
// Type and resource names are stored upper-case, as resource compilers store them; adding a
// type and name that the module already holds throws std::invalid_argument.
class ResourceModuleWriter {
public:
    void add(const win::ResourceId& type, const win::ResourceId& name, std::vector<std::uint8_t> data);
    void addBitmap(const win::ResourceId& name, const gfx::Bitmap& bitmap);
    // Entry `id` of the string table; each byte of `text` becomes one UTF-16 code unit.
    void addString(std::uint16_t id, std::string_view text);

    std::vector<std::uint8_t> bytes() const;
    void write(const std::filesystem::path& file) const;
    // The same resources as a resource script for a resource compiler (windres, rc): `stem`.rc in
    // `dir`, with each resource's bytes in a file beside it (bitmaps as .bmp files, which the
    // compiler stores without their file header), every resource in the neutral language.
    void writeResourceScript(const std::filesystem::path& dir, std::string_view stem) const;

private:
    ResourceTree resources_;
    std::map<std::uint16_t, std::string> strings_;
};

}  // namespace vemra::kit
