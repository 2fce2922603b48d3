#pragma once

#include <filesystem>
#include <string_view>

#include "kit/gen_art_scheme.h"

namespace vemra::kit {

// The scheme of a window's pictures: windows next to each other in the catalogue lie far apart on
// the colour wheel, and no two windows share both hue and texture. Variants 1, 2, … (the same
// design shown for other sections) turn the hue and change the texture.
ArtScheme windowScheme(std::string_view window, int variant = 0);

// Writes "art\<window>\<component>.bmp" for every component of every window design that carries
// artwork, each at the component's size with 256 colours.
void writeWindowArtwork(const std::filesystem::path& root);

}  // namespace vemra::kit
