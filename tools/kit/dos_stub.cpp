#include "kit/dos_stub.h"

namespace vemra::kit {

namespace {

constexpr std::uint16_t headerParagraphs = 4;  // the 64-byte header; the program follows it

// push cs; pop ds; mov dx, message; mov ah, 9; int 21h; mov ax, 4C01h; int 21h
constexpr std::uint8_t stubCode[] = {0x0E, 0x1F, 0xBA, 0x0E, 0x00, 0xB4, 0x09, 0xCD, 0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21};
constexpr char stubMessage[] = "This is a Windows module.\r\n$";

}  // namespace

void writeDosStub(ByteBuffer& out) {
    const std::size_t start = out.size();
    out.u16(0x5A4D);                  // "MZ"
    out.u16(dosStubSize % 512);       // bytes in the last page
    out.u16((dosStubSize + 511) / 512);
    out.u16(0);                       // relocations
    out.u16(headerParagraphs);
    out.u16(0);                       // minimum extra paragraphs
    out.u16(0xFFFF);                  // maximum extra paragraphs
    out.u16(0);                       // ss
    out.u16(0xB8);                    // sp
    out.u16(0);                       // checksum
    out.u16(0);                       // ip
    out.u16(0);                       // cs
    out.u16(0x40);                    // relocation table
    out.u16(0);                       // overlay
    out.zeros(0x3C - (out.size() - start));
    out.u32(dosStubSize);             // the Windows header
    out.append(stubCode);
    out.text(stubMessage);
    out.zeros(dosStubSize - (out.size() - start));
}

}  // namespace vemra::kit
