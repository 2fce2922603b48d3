#include "kit/media_melody.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <span>

namespace vemra::kit {
namespace {

constexpr int beatsPerBar = 4;

std::span<const int> intervalsOf(Mode mode) {
    static constexpr int major[] = {0, 2, 4, 5, 7, 9, 11};
    static constexpr int minor[] = {0, 2, 3, 5, 7, 8, 10};
    static constexpr int harmonicMinor[] = {0, 2, 3, 5, 7, 8, 11};
    static constexpr int hijaz[] = {0, 1, 4, 5, 7, 8, 10};
    static constexpr int dorian[] = {0, 2, 3, 5, 7, 9, 10};
    static constexpr int pentatonic[] = {0, 2, 4, 7, 9};
    switch (mode) {
        case Mode::major: return major;
        case Mode::minor: return minor;
        case Mode::harmonicMinor: return harmonicMinor;
        case Mode::hijaz: return hijaz;
        case Mode::dorian: return dorian;
        case Mode::pentatonic: return pentatonic;
    }
    return major;
}

// How an instrument sounds: partials (frequency ratio, weight) and an envelope.
struct Voice {
    std::array<std::pair<double, double>, 5> partials;
    double attack;      // seconds
    double decay;       // time constant of the fall after the attack; 0 = held until released
    double release;     // seconds after the note's end
    double vibrato;     // depth as a frequency ratio
};

const Voice& voiceOf(Timbre timbre) {
    static const Voice flute{{{{1, 1}, {2, 0.3}, {3, 0.1}, {4, 0.03}, {5, 0}}}, 0.03, 0, 0.06, 0.004};
    static const Voice plucked{{{{1, 1}, {2, 0.5}, {3, 0.3}, {4, 0.2}, {5, 0.1}}}, 0.002, 0.3, 0.25, 0};
    static const Voice reed{{{{1, 1}, {3, 0.5}, {5, 0.3}, {7, 0.15}, {9, 0.07}}}, 0.015, 0, 0.05, 0.002};
    static const Voice bell{{{{1, 1}, {2.76, 0.45}, {5.4, 0.2}, {8.93, 0.1}, {2, 0.2}}}, 0.001, 0.6, 0.5, 0};
    switch (timbre) {
        case Timbre::flute: return flute;
        case Timbre::plucked: return plucked;
        case Timbre::reed: return reed;
        case Timbre::bell: return bell;
    }
    return flute;
}

const Voice bassVoice{{{{1, 1}, {3, 0.11}, {5, 0.04}, {2, 0.2}, {4, 0}}}, 0.004, 0.5, 0.15, 0};
const Voice tickVoice{{{{1, 1}, {1.5, 0.5}, {0, 0}, {0, 0}, {0, 0}}}, 0.0005, 0.012, 0.03, 0};

struct Note {
    double start;     // seconds
    double length;    // seconds
    double frequency;
    double gain;
    const Voice* voice;
    double pan;       // 0 = left, 1 = right
};

double frequencyOf(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

// Adds one note into the stereo float buffer (interleaved), clipped to the buffer.
void renderNote(const Note& note, int sampleRate, std::vector<float>& mix) {
    const Voice& v = *note.voice;
    const double total = note.length + v.release;
    const std::size_t frames = mix.size() / 2;
    const auto first = std::size_t(note.start * sampleRate);
    const auto count = std::size_t(total * sampleRate);
    const double twoPi = 2 * std::numbers::pi;
    for (std::size_t i = 0; i < count && first + i < frames; ++i) {
        const double t = double(i) / sampleRate;
        double envelope = t < v.attack ? t / v.attack : (v.decay > 0 ? std::exp(-(t - v.attack) / v.decay) : 1.0);
        if (t > note.length) envelope *= std::max(0.0, 1.0 - (t - note.length) / v.release);
        const double wobble = 1.0 + v.vibrato * std::sin(twoPi * 5.0 * t);
        double sample = 0;
        for (const auto& [ratio, weight] : v.partials)
            if (weight > 0) sample += weight * std::sin(twoPi * note.frequency * ratio * wobble * t);
        sample *= envelope * note.gain;
        mix[2 * (first + i)] += float(sample * (1.0 - note.pan));
        mix[2 * (first + i) + 1] += float(sample * note.pan);
    }
}

// Rhythm of one beat as fractions of it: a quarter, two eighths, dotted eighth and sixteenth, or a held beat.
std::vector<double> beatRhythm(std::mt19937& rng) {
    switch (rng() % 5) {
        case 0:
        case 1: return {1.0};
        case 2: return {0.5, 0.5};
        case 3: return {0.75, 0.25};
        default: return {0.5, 0.25, 0.25};
    }
}

std::vector<Note> composeNotes(const Tune& tune) {
    static constexpr int progressions[][4] = {{0, 3, 4, 0}, {0, 5, 3, 4}, {0, 4, 5, 3}, {0, 3, 0, 4}};
    std::mt19937 rng(tune.seed);
    const std::span<const int> scale = intervalsOf(tune.mode);
    const int steps = int(scale.size());
    const auto pitchOf = [&](int degree) {
        const int octave = degree >= 0 ? degree / steps : -((-degree + steps - 1) / steps);
        return tune.rootNote + 12 * octave + scale[std::size_t(degree - octave * steps)];
    };
    const int* progression = progressions[rng() % 4];
    const double beat = 60.0 / tune.beatsPerMinute;
    const Voice& lead = voiceOf(tune.timbre);

    // A two-bar motif of (beat offset, length in beats, degree step), repeated over the chords.
    struct MotifNote { double at; double length; int degree; };
    std::vector<MotifNote> motif;
    int degree = 0;
    for (int b = 0; b < 2 * beatsPerBar; ++b) {
        double at = b;
        for (double part : beatRhythm(rng)) {
            static constexpr int moves[] = {-2, -1, -1, 0, 1, 1, 2, 3};
            degree = std::clamp(degree + moves[rng() % 8], -2, steps + 2);
            motif.push_back({at, part, degree});
            at += part;
        }
    }

    std::vector<Note> notes;
    for (int bar = 0; bar < tune.bars; ++bar) {
        const int chord = progression[bar % 4];
        const double barStart = bar * beatsPerBar * beat;
        const bool last = bar == tune.bars - 1;
        for (const MotifNote& m : motif) {
            const double inBar = m.at - (bar % 2) * beatsPerBar;
            if (inBar < 0 || inBar >= beatsPerBar) continue;
            if (last && inBar >= 2) break;
            notes.push_back({barStart + inBar * beat, m.length * beat * 0.92, frequencyOf(pitchOf(m.degree + chord)),
                             0.5, &lead, 0.4});
        }
        if (last) notes.push_back({barStart + 2 * beat, 2 * beat * 0.9, frequencyOf(pitchOf(steps)), 0.5, &lead, 0.4});
        for (int half = 0; half < 2; ++half)
            notes.push_back({barStart + half * 2 * beat, 2 * beat * 0.95, frequencyOf(pitchOf(chord) - 24), 0.45,
                             &bassVoice, 0.6});
        for (int b = 0; b < beatsPerBar; ++b)
            notes.push_back({barStart + b * beat, 0.01, b == 0 ? 2200.0 : 1800.0, b == 0 ? 0.12 : 0.07, &tickVoice, 0.5});
    }
    return notes;
}

}  // namespace

double tuneSeconds(const Tune& tune) { return tune.bars * beatsPerBar * 60.0 / tune.beatsPerMinute; }

std::vector<std::int16_t> renderTune(const Tune& tune, int sampleRate) {
    const auto frames = std::size_t(std::lround(tuneSeconds(tune) * sampleRate));
    std::vector<float> mix(2 * frames, 0.0f);
    for (const Note& note : composeNotes(tune)) renderNote(note, sampleRate, mix);

    // Normalise, and fade the last few milliseconds so that a looping track restarts without a click.
    float peak = 1e-6f;
    for (float s : mix) peak = std::max(peak, std::abs(s));
    const double scale = 0.85 * 32767 / peak;
    const std::size_t fade = std::min(frames, std::size_t(sampleRate / 100));
    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const std::size_t frame = i / 2;
        const double gain = frame + fade >= frames ? double(frames - frame) / double(fade) : 1.0;
        samples[i] = std::int16_t(std::lround(mix[i] * scale * gain));
    }
    return samples;
}

}  // namespace vemra::kit
