// The search box's input method driven by arbitrary keys over keyboard tables that reach every
// glyph code in one, two and four forms and in records that type nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "content/content_source.h"
#include "content/input_method.h"
#include "content/keyboard_tables.h"
#include "platform/ui/input.h"

namespace {

using namespace vemra;

std::string field(long value) {
    const std::string digits = std::to_string(value);
    return std::string(8 - digits.size(), ' ') + digits;
}

// Key c types record c; record r spans 1, 2, 4 or 3 codes (the last types nothing) from field r.
const content::KeyboardTables& tables() {
    static const content::KeyboardTables loaded = [] {
        char pattern[] = "/tmp/vemra-fuzz-im-XXXXXX";
        const std::filesystem::path root = mkdtemp(pattern);
        std::filesystem::create_directories(root / "data1" / "1");
        std::string keys, records = field(0) + field(0), codes = field(0);
        for (int c = 1; c <= content::KeyboardTables::keyCount; ++c) keys += field(c);
        for (int r = 1; r <= content::KeyboardTables::keyCount; ++r) {
            static constexpr int spans[] = {0, 1, 3, 2};
            records += field(r) + field(r + spans[r % 4]);
        }
        for (int i = 1; i <= 400; ++i) codes += field((i * 3 + i / 85) % 256);
        std::ofstream(root / "data1" / "1" / "3.txt") << keys;
        std::ofstream(root / "data1" / "1" / "c2.txt") << records;
        std::ofstream(root / "data1" / "1" / "c1.txt") << codes;
        content::setContentRoot(root);
        content::KeyboardTables t;
        t.load();
        std::filesystem::remove_all(root);
        return t;
    }();
    return loaded;
}

constexpr int keys[] = {ui::vk::back, ui::vk::del, ui::vk::left, ui::vk::right, ui::vk::home, ui::vk::end,
                        ui::vk::enter, ui::vk::escape};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    content::InputMethod im(tables());
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 128) {
            im.keyPress(b);
        } else if (b < 192) {
            const int key = keys[b % std::size(keys)];
            if (im.keyDown(key) && key == ui::vk::back) im.keyPress(8);
        } else {
            im.setSelection(b % 16, (b / 16) % 4);
        }
        const int length = int(im.text().size());
        if (im.caret() < 0 || im.caret() > length || im.caret() + im.selectionLength() > length ||
            im.pendingDelete() != 0)
            __builtin_trap();
    }
    return 0;
}
