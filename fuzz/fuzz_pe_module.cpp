// Resource modules from arbitrary bytes: the directory, every resource, bitmaps, strings, cursors.
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

#include "platform/win/binary_reader.h"
#include "platform/win/module_cursor.h"
#include "platform/win/pe_module.h"

namespace {

using vemra::win::PeModule;
using vemra::win::ResourceId;

ResourceId query(const PeModule::StoredId& id) {
    if (std::holds_alternative<std::uint16_t>(id)) return std::get<std::uint16_t>(id);
    std::string name;
    for (char16_t c : std::get<std::u16string>(id)) name += char(c);
    return ResourceId(std::string_view(name));
}

// Whether a query can name the stored id: names of 8-bit characters that do not read as "#number".
bool reachable(const PeModule::StoredId& id) {
    if (std::holds_alternative<std::uint16_t>(id)) return true;
    const auto& name = std::get<std::u16string>(id);
    for (char16_t c : name)
        if (c > 0xFF) return false;
    return name.empty() || name[0] != u'#';
}

template <class F>
void ignoringFormatErrors(F&& f) {
    try {
        f();
    } catch (const vemra::win::FormatError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra::win;
    ignoringFormatErrors([&] {
        const PeModule module = PeModule::fromBytes(std::vector<std::uint8_t>(data, data + size));
        for (const auto& r : module.resources()) {
            const ResourceId type = query(r.type), name = query(r.name);
            if (reachable(r.type) && reachable(r.name) && !module.resource(type, name)) __builtin_trap();
            if (type.isNumber() && type.number() == resource_types::bitmap)
                ignoringFormatErrors([&] { module.bitmap(name); });
            if (type.isNumber() && type.number() == resource_types::groupCursor)
                ignoringFormatErrors([&] { moduleCursor(module, name); });
            if (type.isNumber() && type.number() == resource_types::string && name.isNumber() && name.number() > 0)
                for (unsigned i = 0; i < 16; ++i)
                    ignoringFormatErrors([&] { module.string(std::uint16_t((name.number() - 1) * 16 + i)); });
        }
    });
    return 0;
}
