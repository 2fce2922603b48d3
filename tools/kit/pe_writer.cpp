#include "kit/pe_writer.h"

#include <fstream>
#include <stdexcept>

#include "kit/byte_buffer.h"
#include "kit/dib_writer.h"
#include "kit/dos_stub.h"

namespace vemra::kit {

namespace {

constexpr std::uint32_t sectionAlignment = 0x1000, fileAlignment = 0x200;
constexpr std::uint32_t headersSize = fileAlignment;  // all headers fit the first file block
constexpr std::uint32_t resourceRva = sectionAlignment;
constexpr std::uint16_t optionalHeaderSize = 224;
constexpr std::uint16_t stringsPerBlock = 16;
constexpr std::uint16_t bitmapType = 2, stringType = 6;

std::uint32_t alignUp(std::size_t value, std::uint32_t alignment) {
    return std::uint32_t((value + alignment - 1) / alignment * alignment);
}

ResourceKey storedKey(const win::ResourceId& id) {
    if (id.isNumber()) return id.number();
    std::u16string name;
    for (const char c : id.name()) {
        const auto byte = static_cast<unsigned char>(c);
        name += char16_t(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
    }
    return name;
}

// String table blocks: block b holds entries (b - 1) * 16 … (b - 1) * 16 + 15, each a length and
// its UTF-16 code units, an absent entry being empty.
ResourceTree::mapped_type stringBlocks(const std::map<std::uint16_t, std::string>& strings) {
    std::map<std::uint16_t, std::vector<std::string>> blocks;
    for (const auto& [id, text] : strings) {
        auto& block = blocks[std::uint16_t(id / stringsPerBlock + 1)];
        block.resize(stringsPerBlock);
        block[id % stringsPerBlock] = text;
    }
    ResourceTree::mapped_type out;
    for (const auto& [number, texts] : blocks) {
        ByteBuffer block;
        for (const std::string& text : texts) {
            block.u16(std::uint16_t(text.size()));
            for (const char c : text) block.u16(static_cast<unsigned char>(c));
        }
        out[number] = block.bytes();
    }
    return out;
}

}  // namespace

void ResourceModuleWriter::add(const win::ResourceId& type, const win::ResourceId& name, std::vector<std::uint8_t> data) {
    if (!resources_[storedKey(type)].emplace(storedKey(name), std::move(data)).second)
        throw std::invalid_argument("the module already holds resource " + name.text() + " of type " + type.text());
}

void ResourceModuleWriter::addBitmap(const win::ResourceId& name, const gfx::Bitmap& bitmap) {
    add(bitmapType, name, packedDib(bitmap));
}

void ResourceModuleWriter::addString(std::uint16_t id, std::string_view text) {
    if (text.size() > 0xFFFF) throw std::invalid_argument("string " + std::to_string(id) + " is too long");
    if (!strings_.emplace(id, std::string(text)).second)
        throw std::invalid_argument("the module already holds string " + std::to_string(id));
}

namespace {

std::string scriptName(const ResourceKey& key) {
    if (const auto* number = std::get_if<std::uint16_t>(&key)) return std::to_string(*number);
    std::string name;
    for (const char16_t c : std::get<std::u16string>(key)) name += char(c);
    return name;
}

// A .bmp file of a packed DIB: the file header before it, pointing past its header and palette.
std::vector<std::uint8_t> bmpFile(const std::vector<std::uint8_t>& dib) {
    const auto u32 = [&](std::size_t at) {
        return std::uint32_t(dib[at]) | std::uint32_t(dib[at + 1]) << 8 | std::uint32_t(dib[at + 2]) << 16 |
               std::uint32_t(dib[at + 3]) << 24;
    };
    const std::uint32_t headerSize = u32(0);
    const unsigned bits = unsigned(dib[14]) | unsigned(dib[15]) << 8;
    const std::uint32_t colours = u32(32) ? u32(32) : bits <= 8 ? 1u << bits : 0;
    const std::uint32_t masks = headerSize == 40 && u32(16) == 3 ? 12 : 0;
    ByteBuffer file;
    file.text("BM");
    file.u32(std::uint32_t(14 + dib.size()));
    file.u32(0);
    file.u32(14 + headerSize + masks + 4 * colours);
    std::vector<std::uint8_t> out = file.bytes();
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void ResourceModuleWriter::writeResourceScript(const std::filesystem::path& dir, std::string_view stem) const {
    std::filesystem::create_directories(dir);
    std::ofstream script(dir / (std::string(stem) + ".rc"), std::ios::binary);
    script << "LANGUAGE 0, 0\n";
    for (const auto& [type, names] : resources_) {
        const bool bitmap = type == ResourceKey(bitmapType);
        for (const auto& [name, data] : names) {
            const std::string file = std::string(stem) + "-" + scriptName(type) + "-" + scriptName(name) + (bitmap ? ".bmp" : ".bin");
            writeBytes(dir / file, bitmap ? bmpFile(data) : data);
            script << scriptName(name) << ' ' << (bitmap ? "BITMAP" : scriptName(type)) << " \"" << file << "\"\n";
        }
    }
    if (!strings_.empty()) {
        script << "STRINGTABLE\nBEGIN\n";
        for (const auto& [id, text] : strings_) {
            script << "  " << id << ", \"";
            for (const char c : text) script << (c == '"' ? "\"\"" : c == '\\' ? "\\\\" : std::string(1, c));
            script << "\"\n";
        }
        script << "END\n";
    }
    if (!script) throw std::runtime_error("cannot write the resource script " + std::string(stem));
}

std::vector<std::uint8_t> ResourceModuleWriter::bytes() const {
    ResourceTree tree = resources_;
    if (!strings_.empty()) tree[stringType] = stringBlocks(strings_);
    const std::vector<std::uint8_t> section = resourceSection(tree, resourceRva);
    const std::uint32_t rawSize = alignUp(section.size(), fileAlignment);
    const std::uint32_t imageSize = resourceRva + alignUp(std::max<std::size_t>(section.size(), 1), sectionAlignment);

    ByteBuffer out;
    writeDosStub(out);
    out.text(std::string_view("PE\0\0", 4));
    out.u16(0x014C);                   // i386
    out.u16(1);                        // sections
    out.u32(0);                        // time stamp: none, so that every build is the same
    out.u32(0), out.u32(0);            // symbols
    out.u16(optionalHeaderSize);
    out.u16(0x2102);                   // executable image, 32-bit, library

    out.u16(0x010B);                   // PE32
    out.u8(1), out.u8(0);              // linker version
    out.u32(0);                        // code size
    out.u32(rawSize);                  // initialised data
    out.u32(0);                        // uninitialised data
    out.u32(0);                        // no entry point
    out.u32(resourceRva);              // base of code
    out.u32(resourceRva);              // base of data
    out.u32(0x10000000);               // image base
    out.u32(sectionAlignment);
    out.u32(fileAlignment);
    out.u16(4), out.u16(0);            // operating system version
    out.u16(0), out.u16(0);            // image version
    out.u16(4), out.u16(0);            // subsystem version
    out.u32(0);
    out.u32(imageSize);
    out.u32(headersSize);
    out.u32(0);                        // checksum
    out.u16(2);                        // Windows GUI
    out.u16(0);
    out.u32(0x100000), out.u32(0x1000);  // stack reserve, commit
    out.u32(0x100000), out.u32(0x1000);  // heap reserve, commit
    out.u32(0);
    out.u32(16);                       // data directories
    for (int directory = 0; directory < 16; ++directory) {
        const bool resources = directory == 2;
        out.u32(resources ? resourceRva : 0);
        out.u32(resources ? std::uint32_t(section.size()) : 0);
    }

    out.fixedText(".rsrc", 8);
    out.u32(std::uint32_t(section.size()));
    out.u32(resourceRva);
    out.u32(rawSize);
    out.u32(headersSize);
    out.u32(0), out.u32(0), out.u16(0), out.u16(0);  // relocations, line numbers
    out.u32(0x40000040);               // initialised data, readable
    out.zeros(headersSize - out.size());

    out.append(section);
    out.zeros(rawSize - section.size());
    return out.bytes();
}

void ResourceModuleWriter::write(const std::filesystem::path& file) const { writeBinaryFile(file, bytes()); }

}  // namespace vemra::kit
