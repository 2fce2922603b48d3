#pragma once

#include <cstdint>
#include <vector>

namespace vemra::kit {

enum class Mode { major, minor, harmonicMinor, hijaz, dorian, pentatonic };
enum class Timbre { flute, plucked, reed, bell };

// A short generated tune: a melody over a bass line and a soft beat, in bars of four beats.
struct Tune {
    int rootNote = 60;  // MIDI note number of the tonic
    Mode mode = Mode::major;
    Timbre timbre = Timbre::flute;
    double beatsPerMinute = 100;
    int bars = 4;
    std::uint32_t seed = 1;  // chooses rhythm, melody and chord progression
};

double tuneSeconds(const Tune& tune);

// The tune as 16-bit interleaved stereo samples, tuneSeconds long; the same tune gives the same samples.
std::vector<std::int16_t> renderTune(const Tune& tune, int sampleRate);

}  // namespace vemra::kit
