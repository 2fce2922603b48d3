// The profile reader and writer on arbitrary file bytes: nothing crashes, and an entry written is
// the entry read back, whatever else the file holds.
#include <cstddef>
#include <cstdint>

#include "platform/win/profile.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra::win;
    static const vemra::fuzzing::ScratchFile scratch("system.ini");
    const auto& file = scratch.holding(data, size);
    readProfileString(file, "drivers32", "msacm.l3codec", "none");
    try {
        writeProfileString(file, "drivers32", "msacm.l3codec", "l3codecp.acm");
    } catch (const std::runtime_error&) {
        return 0;
    }
    if (readProfileString(file, "drivers32", "msacm.l3codec", "none") != "l3codecp.acm") __builtin_trap();
    return 0;
}
