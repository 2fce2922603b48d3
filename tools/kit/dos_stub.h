#pragma once

#include <cstdint>

#include "kit/byte_buffer.h"

namespace vemra::kit {

// Size of the DOS header and stub program that start every Windows module.
inline constexpr std::uint32_t dosStubSize = 0x80;

// Writes the DOS header, pointing at the Windows header that follows at `dosStubSize`, and a stub
// program that prints a line and exits when the module is run under DOS.
void writeDosStub(ByteBuffer& out);

}  // namespace vemra::kit
