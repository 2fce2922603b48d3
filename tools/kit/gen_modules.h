#pragma once

#include <filesystem>

#include "kit/gen_modules_frames.h"
#include "kit/pe_writer.h"

namespace vemra::kit {

// The corner animation module: every frame of every set, in one of the two styles ("qem001.dat"
// has the stars, "qem008.dat" the rings).
ResourceModuleWriter animationModule(FrameStyle style);

// "qem006.dat": the article screen's artwork for sections 1 … 4 (a<section>1 background,
// a<section>2 lit part buttons, a<section>3 lit exit, a<section>4 text panel) and the background of
// the second player variant (a51), each in colours of its own.
ResourceModuleWriter articleArtModule();

// "qem007.dat": the backgrounds (data<k>) and lit exits (data0<k>) of the secondary text screen for
// kinds 1 … 11, and the background, lit exit and text panel of the secondary titles screen's
// kind 12 (data12, data012, data0012).
ResourceModuleWriter secondaryTextArtModule();

// Writes the four modules above into data3.
void writePictureModules(const std::filesystem::path& root);

}  // namespace vemra::kit
