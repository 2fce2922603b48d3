#pragma once

#include <filesystem>

namespace vemra::kit {

// Turns a demo tree into one in the formats of the time (vemra-kit demo --period-formats): music,
// a narration and a gallery sound as RIFF WAVE (PCM 8 and 16 bits, IMA and Microsoft ADPCM, MPEG
// Layer-3 with format tag 0x55), tracks as an MPEG-1 Layer II stream and an MPEG-1 program stream,
// the intro (4 s) as Cinepak with Microsoft ADPCM, the first clip as Microsoft Video 1 with MP3,
// and the artwork as 8-bit run-length encoded, 4-bit and top-down bitmaps of the same pictures.
void convertToPeriodFormats(const std::filesystem::path& root);

}  // namespace vemra::kit
