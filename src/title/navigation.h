#pragma once

namespace vemra::title {

// Gives the navigation its map and every family of screens and modal windows the title has.
void registerNavigation();

}  // namespace vemra::title
