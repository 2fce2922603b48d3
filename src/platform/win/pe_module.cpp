#include "platform/win/pe_module.h"

#include <set>

#include "platform/gfx/bmp.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"

namespace vemra::win {
namespace {

constexpr std::uint32_t peSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t pe32Magic = 0x10B;
constexpr std::size_t fileHeaderSize = 20, sectionHeaderSize = 40;
constexpr std::size_t dataDirectories = 96, resourceDirectoryIndex = 2;
constexpr std::uint32_t highBit = 0x80000000;

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

// The file-backed part of a section that holds an RVA: its file offset and the bytes from there
// to the section's end.
struct Mapped {
    std::size_t offset = 0;
    std::size_t available = 0;
};

Mapped mapRva(const BinaryReader& file, const std::vector<Section>& sections, std::uint32_t rva) {
    for (const Section& s : sections) {
        if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize) continue;
        const std::uint32_t into = rva - s.virtualAddress;
        if (!file.has(s.rawOffset, s.rawSize)) file.fail("a section lies beyond the end of the file");
        return {std::size_t(s.rawOffset) + into, s.rawSize - into};
    }
    file.fail("address " + std::to_string(rva) + " lies in no section's data");
}

std::vector<Section> readSections(const BinaryReader& file, std::size_t table, std::size_t count) {
    file.bytes(table, count * sectionHeaderSize);
    std::vector<Section> sections(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t h = table + i * sectionHeaderSize;
        sections[i] = {file.u32(h + 12), file.u32(h + 16), file.u32(h + 20)};
    }
    return sections;
}

// Walks the three levels of the resource directory (type, name, language). Every directory may be
// reached once only and the entries visited may not outnumber the 8-byte slots of the directory
// data, so that a crafted tree can neither loop nor multiply.
class DirectoryWalker {
public:
    DirectoryWalker(const BinaryReader& file, const std::vector<Section>& sections, Mapped root)
        : file_(file), sections_(sections),
          dir_(file.bytes(root.offset, root.available), file.what() + ": resource directory"),
          entryBudget_(root.available / 8) {}

    std::vector<PeModule::Resource> walk() {
        std::vector<PeModule::Resource> out;
        PeModule::Resource path;
        walk(0, 0, path, out);
        return out;
    }

private:
    void walk(std::uint32_t offset, int level, PeModule::Resource& path, std::vector<PeModule::Resource>& out) {
        if (!visited_.insert(offset).second) dir_.fail("directory at " + std::to_string(offset) + " is reached twice");
        const std::size_t count = std::size_t(dir_.u16(offset + 12)) + dir_.u16(offset + 14);
        if (count > entryBudget_) dir_.fail("more entries than the directory can hold");
        entryBudget_ -= count;
        dir_.bytes(std::size_t(offset) + 16, count * 8);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t entry = offset + 16 + i * 8;
            const std::uint32_t nameField = dir_.u32(entry), target = dir_.u32(entry + 4);
            const bool isDirectory = target & highBit;
            if (isDirectory != (level < 2))
                dir_.fail(isDirectory ? "a directory below the language level" : "data above the language level");
            if (level == 0) path.type = id(nameField);
            if (level == 1) path.name = id(nameField);
            if (level == 2) {
                path.language = std::uint16_t(nameField);
                out.push_back(data(target, path));
            } else {
                walk(target & ~highBit, level + 1, path, out);
            }
        }
    }

    PeModule::StoredId id(std::uint32_t field) const {
        if (!(field & highBit)) return std::uint16_t(field);
        const std::size_t at = field & ~highBit;
        const std::size_t length = dir_.u16(at);
        const auto units = dir_.bytes(at + 2, length * 2);
        std::u16string name(length, u'\0');
        for (std::size_t i = 0; i < length; ++i) name[i] = char16_t(units[2 * i] | (units[2 * i + 1] << 8));
        return name;
    }

    PeModule::Resource data(std::uint32_t at, PeModule::Resource r) const {
        const std::uint32_t rva = dir_.u32(at), size = dir_.u32(at + 4);
        const Mapped mapped = mapRva(file_, sections_, rva);
        if (size > mapped.available)
            dir_.fail("resource data of " + std::to_string(size) + " bytes runs past its section");
        r.offset = mapped.offset;
        r.size = size;
        return r;
    }

    const BinaryReader& file_;
    const std::vector<Section>& sections_;
    BinaryReader dir_;
    std::size_t entryBudget_;
    std::set<std::uint32_t> visited_;
};

}  // namespace

PeModule::PeModule(std::vector<std::uint8_t> bytes, std::string what) : bytes_(std::move(bytes)), what_(std::move(what)) {
    const BinaryReader file(bytes_, what_);
    if (file.u16(0) != 0x5A4D) file.fail("no \"MZ\" signature");
    const std::size_t pe = file.u32(0x3C);
    if (file.u32(pe) != peSignature) file.fail("no \"PE\" signature");
    const std::size_t header = pe + 4;
    const std::size_t sectionCount = file.u16(header + 2), optionalSize = file.u16(header + 16);
    const std::size_t optional = header + fileHeaderSize;
    if (file.u16(optional) != pe32Magic) file.fail("not a 32-bit module");
    const auto sections = readSections(file, optional + optionalSize, sectionCount);

    const std::size_t directoryEntry = dataDirectories + resourceDirectoryIndex * 8;
    if (optionalSize < directoryEntry + 8 || file.u32(optional + 92) <= resourceDirectoryIndex) return;
    const std::uint32_t resourceRva = file.u32(optional + directoryEntry);
    if (resourceRva == 0) return;
    resources_ = DirectoryWalker(file, sections, mapRva(file, sections, resourceRva)).walk();
}

PeModule PeModule::open(const std::filesystem::path& file) {
    return PeModule(readBinaryFile(file), file.string());
}

PeModule PeModule::fromBytes(std::vector<std::uint8_t> bytes, std::string what) {
    return PeModule(std::move(bytes), std::move(what));
}

const PeModule::Resource* PeModule::find(const ResourceId& type, const ResourceId& name) const {
    const Resource* found = nullptr;
    for (const Resource& r : resources_) {
        if (!type.matches(r.type) || !name.matches(r.name)) continue;
        if (r.language == 0) return &r;
        if (!found) found = &r;
    }
    return found;
}

std::optional<std::vector<std::uint8_t>> PeModule::resource(const ResourceId& type, const ResourceId& name) const {
    const Resource* r = find(type, name);
    if (!r) return std::nullopt;
    const auto begin = bytes_.begin() + std::ptrdiff_t(r->offset);
    return std::vector<std::uint8_t>(begin, begin + std::ptrdiff_t(r->size));
}

std::optional<gfx::Bitmap> PeModule::bitmap(const ResourceId& name) const {
    const auto dib = resource(resource_types::bitmap, name);
    if (!dib) return std::nullopt;
    return withContext(what_ + ": bitmap " + name.text(), [&] { return gfx::decodeDib(*dib); });
}

std::optional<std::string> PeModule::string(std::uint16_t id) const {
    const auto block = resource(resource_types::string, ResourceId(std::uint16_t(id / 16 + 1)));
    if (!block) return std::nullopt;
    const BinaryReader r(*block, what_ + ": string table block " + std::to_string(id / 16 + 1));
    std::size_t at = 0;
    for (int skip = id % 16; skip > 0; --skip) at += 2 + std::size_t(r.u16(at)) * 2;
    const std::size_t length = r.u16(at);
    if (length == 0) return std::nullopt;
    const auto units = r.bytes(at + 2, length * 2);
    std::string text(length, '?');
    for (std::size_t i = 0; i < length; ++i)
        if (units[2 * i + 1] == 0) text[i] = char(units[2 * i]);
    return text;
}

}  // namespace vemra::win
