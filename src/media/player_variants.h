#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vemra::media_screens {

// The files of one narration of a player; the player with a title has no contents files.
struct PlayerVariant {
    const char* pageIndex;
    const char* pageText;
    const char* contentsIndex;
    const char* contentsText;
    const char* narration;
    std::int64_t markDivisor;
    int animationSet;
    const char* background;  // a bitmap of data3\qem006.dat that replaces the background, if any
};

// The two narrations of the player with contents (`frm2`), chosen by `selectedKind` 1 and 2, and
// the six of the player with a title (`frm8`), by `playerVariant` 1 to 6, whose titles the section
// menu loads.
std::span<const PlayerVariant> tourVariants();
std::span<const PlayerVariant> storyVariants();
inline constexpr std::string_view storyTitlesFile = "data2\\qem0046.dat";

// The most pages and contents entries a player holds.
inline constexpr std::size_t tourPageLimit = 151, storyPageLimit = 97, contentsLimit = 101;

}  // namespace vemra::media_screens
