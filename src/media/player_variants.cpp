#include "media/player_variants.h"

namespace vemra::media_screens {

namespace {

constexpr PlayerVariant tour[] = {
    {"data2\\qem0011.dat", "data2\\qem0012.dat", "data2\\qem0009.dat", "data2\\qem0010.dat", "data1\\qem05.dat",
     7375882, 2, nullptr},
    {"data2\\qem0043.dat", "data2\\qem0044.dat", "data2\\qem0041.dat", "data2\\qem0042.dat", "data4\\223.dat",
     5507604, 23, "a51"},
};

constexpr PlayerVariant story[] = {
    {"data2\\qem0018.dat", "data2\\qem0019.dat", nullptr, nullptr, "data1\\qem01.dat", 5028205, 4, nullptr},
    {"data2\\qem0020.dat", "data2\\qem0021.dat", nullptr, nullptr, "data1\\qem03.dat", 909714, 4, nullptr},
    {"data2\\qem0022.dat", "data2\\qem0023.dat", nullptr, nullptr, "data1\\qem04.dat", 330292, 4, nullptr},
    {"data2\\qem0035.dat", "data2\\qem0036.dat", nullptr, nullptr, "data1\\qem02.dat", 909583, 4, nullptr},
    {"data2\\qem0033.dat", "data2\\qem0034.dat", nullptr, nullptr, "data1\\qem07.dat", 2088542, 4, nullptr},
    {"data2\\qem0031.dat", "data2\\qem0032.dat", nullptr, nullptr, "data1\\qem06.dat", 1064646, 4, nullptr},
};

}  // namespace

std::span<const PlayerVariant> tourVariants() { return tour; }
std::span<const PlayerVariant> storyVariants() { return story; }

}  // namespace vemra::media_screens
