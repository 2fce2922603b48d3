#include "kit/resource_section.h"

#include "kit/byte_buffer.h"

namespace vemra::kit {

namespace {

constexpr std::size_t directorySize = 16, entrySize = 8, dataEntrySize = 16, dataAlignment = 8;
constexpr std::uint32_t highBit = 0x80000000;
constexpr std::uint16_t neutralLanguage = 0;

struct Layout {
    std::map<const ResourceKey*, std::uint32_t> nameAt;  // every named key, by its place in the tree
    std::vector<std::uint32_t> typeDirectoryAt, languageDirectoryAt, dataEntryAt, dataAt;
    std::size_t size = 0;
};

std::size_t nameSize(const ResourceKey& key) {
    const auto* name = std::get_if<std::u16string>(&key);
    return name ? 2 + 2 * name->size() : 0;
}

template <typename Map>
std::uint16_t countNamed(const Map& entries) {
    std::uint16_t named = 0;
    for (const auto& entry : entries) named += std::holds_alternative<std::u16string>(entry.first);
    return named;
}

Layout layOut(const ResourceTree& tree) {
    Layout l;
    std::size_t at = directorySize + entrySize * tree.size();
    for (const auto& [type, names] : tree) {
        l.typeDirectoryAt.push_back(std::uint32_t(at));
        at += directorySize + entrySize * names.size();
    }
    for (const auto& [type, names] : tree) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            l.languageDirectoryAt.push_back(std::uint32_t(at));
            at += directorySize + entrySize;
        }
    }
    for (const auto& [type, names] : tree) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            l.dataEntryAt.push_back(std::uint32_t(at));
            at += dataEntrySize;
        }
    }
    for (const auto& [type, names] : tree) {
        if (nameSize(type)) l.nameAt[&type] = std::uint32_t(at), at += nameSize(type);
        for (const auto& [name, data] : names)
            if (nameSize(name)) l.nameAt[&name] = std::uint32_t(at), at += nameSize(name);
    }
    for (const auto& [type, names] : tree) {
        for (const auto& [name, data] : names) {
            at = (at + dataAlignment - 1) & ~(dataAlignment - 1);
            l.dataAt.push_back(std::uint32_t(at));
            at += data.size();
        }
    }
    l.size = at;
    return l;
}

void directory(ByteBuffer& out, std::uint16_t named, std::size_t count) {
    out.u32(0), out.u32(0), out.u16(0), out.u16(0);  // characteristics, time stamp, version
    out.u16(named);
    out.u16(std::uint16_t(count - named));
}

void entry(ByteBuffer& out, const Layout& l, const ResourceKey& key, std::uint32_t target) {
    if (const auto* number = std::get_if<std::uint16_t>(&key))
        out.u32(*number);
    else
        out.u32(highBit | l.nameAt.at(&key));
    out.u32(target);
}

}  // namespace

std::vector<std::uint8_t> resourceSection(const ResourceTree& tree, std::uint32_t rva) {
    const Layout l = layOut(tree);
    ByteBuffer out;

    directory(out, countNamed(tree), tree.size());
    std::size_t t = 0;
    for (const auto& [type, names] : tree) entry(out, l, type, highBit | l.typeDirectoryAt[t++]);

    std::size_t r = 0;
    for (const auto& [type, names] : tree) {
        directory(out, countNamed(names), names.size());
        for (const auto& [name, data] : names) entry(out, l, name, highBit | l.languageDirectoryAt[r++]);
    }
    for (std::size_t i = 0; i < l.languageDirectoryAt.size(); ++i) {
        directory(out, 0, 1);
        out.u32(neutralLanguage);
        out.u32(l.dataEntryAt[i]);
    }
    r = 0;
    for (const auto& [type, names] : tree) {
        for (const auto& [name, data] : names) {
            out.u32(rva + l.dataAt[r++]);
            out.u32(std::uint32_t(data.size()));
            out.u32(0), out.u32(0);  // code page, reserved
        }
    }
    const auto putName = [&](const ResourceKey& key) {
        if (const auto* name = std::get_if<std::u16string>(&key)) {
            out.u16(std::uint16_t(name->size()));
            for (const char16_t unit : *name) out.u16(unit);
        }
    };
    for (const auto& [type, names] : tree) {
        putName(type);
        for (const auto& [name, data] : names) putName(name);
    }
    for (const auto& [type, names] : tree) {
        for (const auto& [name, data] : names) {
            out.alignTo(dataAlignment);
            out.append(data);
        }
    }
    return out.bytes();
}

}  // namespace vemra::kit
