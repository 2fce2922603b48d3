#pragma once

#include <span>

namespace vemra::content {

// A key of a US keyboard (its ASCII character) and the character it types.
struct LayoutKey {
    char key;
    char32_t character;
};

// The Persian keyboard layout of the title's platform: which letter each key of the title's key
// table stands for. Only keys established from a public description of that layout are listed.
std::span<const LayoutKey> persianLayout();

}  // namespace vemra::content
