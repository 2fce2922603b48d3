#include "format_builders.h"

#include <algorithm>
#include <map>

namespace vemra::testing {

std::vector<std::uint8_t> dib(const DibSpec& s) {
    Bytes b;
    b.u32(40).u32(std::uint32_t(s.width)).u32(std::uint32_t(s.height)).u16(1).u16(unsigned(s.bits));
    b.u32(s.compression).u32(std::uint32_t(s.pixels.size())).u32(0).u32(0).u32(s.colorsUsed).u32(0);
    for (auto m : s.masks) b.u32(m);
    for (auto c : s.palette) b.u32(c);
    return b.append(s.pixels).data;
}

std::vector<std::uint8_t> bmpFile(const DibSpec& s) {
    const auto d = dib(s);
    const std::size_t pixelOffset = 14 + d.size() - s.pixels.size();
    Bytes b;
    b.text("BM").u32(std::uint32_t(14 + d.size())).u32(0).u32(std::uint32_t(pixelOffset));
    return b.append(d).data;
}

std::vector<std::uint8_t> argbIconImage(int width, int height, std::uint32_t argb) {
    Bytes b;
    b.u32(40).u32(std::uint32_t(width)).u32(std::uint32_t(2 * height)).u16(1).u16(32).u32(0).zeros(20);
    for (int i = 0; i < width * height; ++i) b.u32(argb);
    return b.zeros(std::size_t((width + 31) / 32 * 4 * height)).data;
}

std::vector<std::uint8_t> curFile(const std::vector<CursorImage>& images) {
    Bytes b;
    b.u16(0).u16(2).u16(unsigned(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (const auto& i : images) {
        b.u8(unsigned(i.width & 0xFF)).u8(unsigned(i.height & 0xFF)).u8(0).u8(0).u16(unsigned(i.hotX)).u16(unsigned(i.hotY));
        b.u32(std::uint32_t(i.data.size())).u32(std::uint32_t(offset));
        offset += i.data.size();
    }
    for (const auto& i : images) b.append(i.data);
    return b.data;
}

namespace {

void chunk(Bytes& b, const std::string& id, const std::vector<std::uint8_t>& data) {
    b.text(id).u32(std::uint32_t(data.size())).append(data);
    if (data.size() % 2) b.u8(0);
}

std::vector<std::uint8_t> dwords(const std::vector<std::uint32_t>& values) {
    Bytes b;
    for (auto v : values) b.u32(v);
    return b.data;
}

void writeKey(Bytes& out, const ResourceKey& key, std::map<std::size_t, std::string>& namesAt) {
    if (std::holds_alternative<std::uint16_t>(key)) {
        out.u32(std::get<std::uint16_t>(key));
    } else {
        namesAt[out.size()] = std::get<std::string>(key);
        out.u32(0);
    }
}

}  // namespace

std::vector<std::uint8_t> aniFile(const AniSpec& s) {
    const std::size_t steps = s.sequence.empty() ? s.frames.size() : s.sequence.size();
    Bytes header;
    header.u32(36).u32(std::uint32_t(s.frames.size())).u32(std::uint32_t(steps)).zeros(16);
    header.u32(s.defaultRate).u32(s.sequence.empty() ? 1 : 3);
    Bytes frames;
    frames.text("fram");
    for (const auto& f : s.frames) chunk(frames, "icon", f);
    Bytes body;
    body.text("ACON");
    chunk(body, "anih", header.data);
    if (!s.rates.empty()) chunk(body, "rate", dwords(s.rates));
    if (!s.sequence.empty()) chunk(body, "seq ", dwords(s.sequence));
    chunk(body, "LIST", frames.data);
    Bytes file;
    chunk(file, "RIFF", body.data);
    return file.data;
}

std::vector<std::uint8_t> stringBlock(const std::vector<std::u16string>& entries) {
    Bytes b;
    for (std::size_t i = 0; i < 16; ++i) {
        const std::u16string e = i < entries.size() ? entries[i] : std::u16string();
        b.u16(unsigned(e.size()));
        for (char16_t c : e) b.u16(c);
    }
    return b.data;
}

// The directory tree: type directories, each with its name directories of one language entry
// each; then the data entries, the names and the data. Offsets are relative to the section.
std::vector<std::uint8_t> peModule(const std::vector<ResourceSpec>& resources) {
    constexpr std::uint32_t sectionRva = 0x1000;
    std::vector<ResourceKey> types;
    for (const auto& r : resources)
        if (std::find(types.begin(), types.end(), r.type) == types.end()) types.push_back(r.type);

    Bytes tree;
    std::map<std::size_t, std::string> namesAt;  // key fields that point at a name
    std::vector<std::size_t> dataEntryFields;      // language entries, in resource order
    tree.zeros(16).data[14] = std::uint8_t(types.size());
    std::vector<std::size_t> typeFields;
    for (const auto& t : types) {
        writeKey(tree, t, namesAt);
        typeFields.push_back(tree.size());
        tree.u32(0);
    }
    for (std::size_t ti = 0; ti < types.size(); ++ti) {
        tree.put32(typeFields[ti], 0x80000000u | std::uint32_t(tree.size()));
        std::vector<const ResourceSpec*> members;
        for (const auto& r : resources)
            if (r.type == types[ti]) members.push_back(&r);
        tree.zeros(16).data[tree.size() - 2] = std::uint8_t(members.size());
        std::vector<std::size_t> nameFields;
        for (const auto* m : members) {
            writeKey(tree, m->name, namesAt);
            nameFields.push_back(tree.size());
            tree.u32(0);
        }
        for (std::size_t mi = 0; mi < members.size(); ++mi) {
            tree.put32(nameFields[mi], 0x80000000u | std::uint32_t(tree.size()));
            tree.zeros(16).data[tree.size() - 2] = 1;
            tree.u32(members[mi]->language);
            dataEntryFields.push_back(tree.size());
            tree.u32(0);
        }
    }
    std::vector<std::size_t> dataEntries;
    for (const auto field : dataEntryFields) {
        tree.put32(field, std::uint32_t(tree.size()));
        dataEntries.push_back(tree.size());
        tree.zeros(16);
    }
    for (const auto& [field, name] : namesAt) {
        tree.put32(field, 0x80000000u | std::uint32_t(tree.size()));
        tree.u16(unsigned(name.size()));
        for (char c : name) tree.u16(static_cast<unsigned char>(c));
    }
    // Data entries were laid out type by type; find each resource's entry in that order.
    std::size_t next = 0;
    for (const auto& t : types)
        for (const auto& r : resources) {
            if (r.type != t) continue;
            tree.zeros((4 - tree.size() % 4) % 4);
            tree.put32(dataEntries[next], sectionRva + std::uint32_t(tree.size()));
            tree.put32(dataEntries[next] + 4, std::uint32_t(r.data.size()));
            ++next;
            tree.append(r.data);
        }

    Bytes pe;
    pe.text("MZ").zeros(0x3C - 2).u32(0x40);
    pe.text(std::string("PE\0\0", 4)).u16(0x14C).u16(1).u32(0).u32(0).u32(0).u16(224).u16(0x2102);
    pe.u16(0x10B).zeros(90).u32(16);
    pe.zeros(16).u32(sectionRva).u32(std::uint32_t(tree.size())).zeros(13 * 8);
    pe.text(std::string(".rsrc\0\0\0", 8)).u32(std::uint32_t(tree.size())).u32(sectionRva);
    pe.u32(std::uint32_t(tree.size())).u32(resourceSectionOffset).zeros(16);
    pe.zeros(resourceSectionOffset - pe.size());
    return pe.append(tree.data).data;
}

}  // namespace vemra::testing
