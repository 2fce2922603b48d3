#include "kit/fon_writer.h"

#include <stdexcept>
#include <string>

#include "kit/byte_buffer.h"
#include "kit/dos_stub.h"

namespace vemra::kit {

namespace {

constexpr std::uint16_t alignShift = 4;  // resources start on 16-byte boundaries
constexpr std::size_t neHeaderSize = 0x40;
constexpr std::size_t typeInfoSize = 8, nameInfoSize = 12;
constexpr std::uint16_t fontDirType = 0x8007, fontType = 0x8008;
constexpr std::uint16_t moveablePreload = 0x0050, moveableShareableDiscardable = 0x1030;
constexpr std::size_t directoryHeaderBytes = 113;  // the FNT header up to dfFace, and 4 reserved bytes
constexpr std::string_view fontDirName = "FONTDIR";

// The font directory entry of an FNT resource: its header fields, no device name, the face name.
std::vector<std::uint8_t> directoryEntry(const std::vector<std::uint8_t>& fnt, const std::string& face) {
    std::vector<std::uint8_t> entry(fnt.begin(), fnt.begin() + directoryHeaderBytes);
    std::fill(entry.end() - 4, entry.end(), 0);
    entry.push_back(0);
    entry.insert(entry.end(), face.begin(), face.end());
    entry.push_back(0);
    return entry;
}

// The module description that marks the file as font resources: aspect, resolutions, sizes.
std::string description(std::span<const BitmapFace> faces) {
    std::string text = "FONTRES 100,96,96 : " + faces.front().name;
    for (std::size_t i = 0; i < faces.size(); ++i)
        text += (i ? "," : " ") + std::to_string(nominalPointSize(faces[i]));
    return text.substr(0, 255);
}

void lengthPrefixed(ByteBuffer& out, std::string_view text) {
    out.u8(std::uint8_t(text.size()));
    out.text(text);
}

std::uint16_t shifted(std::size_t value) { return std::uint16_t((value + (1u << alignShift) - 1) >> alignShift); }

}  // namespace

std::vector<std::uint8_t> fonFile(std::string_view moduleName, std::span<const BitmapFace> faces) {
    if (faces.empty() || faces.size() > 0x7FFF) throw std::invalid_argument("a font file holds 1 to 32767 fonts");
    if (moduleName.empty() || moduleName.size() > 255) throw std::invalid_argument("bad module name");

    std::vector<std::vector<std::uint8_t>> fonts;
    ByteBuffer directory;
    directory.u16(std::uint16_t(faces.size()));
    for (std::size_t i = 0; i < faces.size(); ++i) {
        fonts.push_back(fntResource(faces[i]));
        directory.u16(std::uint16_t(i + 1));
        directory.append(directoryEntry(fonts.back(), faces[i].name));
    }
    const std::string about = description(faces);

    // The NE tables, in file order after the header.
    const std::size_t resourceTable = neHeaderSize;
    const std::size_t resourceTableSize =
        2 + typeInfoSize + nameInfoSize + typeInfoSize + nameInfoSize * faces.size() + 2 + 1 + fontDirName.size() + 1;
    const std::size_t residentNames = resourceTable + resourceTableSize;
    const std::size_t moduleReferences = residentNames + 1 + moduleName.size() + 2 + 1;
    const std::size_t importedNames = moduleReferences;
    const std::size_t entryTable = importedNames + 1;
    const std::size_t entryTableSize = 2;
    const std::size_t nonResidentNames = dosStubSize + entryTable + entryTableSize;  // from the file start
    const std::size_t nonResidentSize = 1 + about.size() + 2 + 1;
    std::size_t next = (nonResidentNames + nonResidentSize + 15) & ~std::size_t(15);
    const std::size_t directoryAt = next;
    next += (directory.size() + 15) & ~std::size_t(15);
    std::vector<std::size_t> fontAt;
    for (const auto& fnt : fonts) {
        fontAt.push_back(next);
        next += (fnt.size() + 15) & ~std::size_t(15);
    }
    if (next >> alignShift > 0xFFFF) throw std::invalid_argument("font file too large");

    ByteBuffer out;
    writeDosStub(out);
    out.text("NE");
    out.u8(5), out.u8(10);                        // linker version
    out.u16(std::uint16_t(entryTable));
    out.u16(std::uint16_t(entryTableSize));
    out.u32(0);                                   // checksum
    out.u16(0x8300);                              // library module for Windows
    out.u16(0), out.u16(0), out.u16(0);           // data segment, heap, stack
    out.u32(0), out.u32(0);                       // cs:ip, ss:sp
    out.u16(0), out.u16(0);                       // segments, module references
    out.u16(std::uint16_t(nonResidentSize));
    out.u16(std::uint16_t(resourceTable));        // segment table (empty)
    out.u16(std::uint16_t(resourceTable));
    out.u16(std::uint16_t(residentNames));
    out.u16(std::uint16_t(moduleReferences));
    out.u16(std::uint16_t(importedNames));
    out.u32(std::uint32_t(nonResidentNames));
    out.u16(0);                                   // movable entry points
    out.u16(alignShift);
    out.u16(0);                                   // resource segments
    out.u8(2), out.u8(0);                         // Windows, no other flags
    out.u16(0), out.u16(0), out.u16(0);           // fast-load area, swap area
    out.u16(0x0300);                              // Windows 3.0

    out.u16(alignShift);
    out.u16(fontDirType);
    out.u16(1);
    out.u32(0);
    out.u16(shifted(directoryAt));
    out.u16(shifted(directory.size()));
    out.u16(moveablePreload);
    out.u16(std::uint16_t(resourceTableSize - 1 - fontDirName.size() - 1));  // its name, from the table start
    out.u32(0);
    out.u16(fontType);
    out.u16(std::uint16_t(faces.size()));
    out.u32(0);
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out.u16(shifted(fontAt[i]));
        out.u16(shifted(fonts[i].size()));
        out.u16(moveableShareableDiscardable);
        out.u16(std::uint16_t(0x8000 | (i + 1)));
        out.u32(0);
    }
    out.u16(0);
    lengthPrefixed(out, fontDirName);
    out.u8(0);

    lengthPrefixed(out, moduleName);
    out.u16(0);
    out.u8(0);
    out.u8(0);                                    // no imported names
    out.zeros(entryTableSize);                    // no entry points
    lengthPrefixed(out, about);
    out.u16(0);
    out.u8(0);

    out.alignTo(16);
    out.append(directory.bytes());
    for (const auto& fnt : fonts) {
        out.alignTo(16);
        out.append(fnt);
    }
    out.alignTo(16);
    return out.bytes();
}

void writeFonFile(const std::filesystem::path& file, std::string_view moduleName, std::span<const BitmapFace> faces) {
    writeBinaryFile(file, fonFile(moduleName, faces));
}

}  // namespace vemra::kit
