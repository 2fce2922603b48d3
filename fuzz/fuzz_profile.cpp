// The profile reader and writer on arbitrary profile text: nothing crashes, and an entry written is
// the entry read back, whatever else the text holds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/win/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vemra::win;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    profileValue(text, "drivers32", "msacm.l3codec", "none");
    const std::string written = withProfileEntry(text, "drivers32", "msacm.l3codec", "l3codecp.acm");
    if (profileValue(written, "drivers32", "msacm.l3codec", "none") != "l3codecp.acm") __builtin_trap();
    return 0;
}
