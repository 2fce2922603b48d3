#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vemra::content {

// The fixed form tables of the search box's input method: which shape a glyph code is, and the
// code of the same letter in another shape.
enum class FormClass : std::uint8_t {
    initial,
    medial,
    final,
    isolated,
    twoFormFinal,
    twoFormIsolated,
    ligatureFinal,
    ligatureIsolated,
    unclassified,
};

// The class of a glyph left of the caret (all eight classes).
FormClass classifyLeft(std::uint8_t code);
// The class of a glyph right of the caret (a ligature there counts as unclassified).
FormClass classifyRight(std::uint8_t code);

bool isFourForm(FormClass c);
bool isLigature(std::uint8_t code);
bool isNonJoining(std::uint8_t code);

// The four shape changes. Each replaces the glyph by the same letter in the target shape and
// leaves any glyph it does not apply to unchanged.
// The glyph right of the caret gains / loses its join to the letter typed after it.
std::uint8_t withLeftJoin(std::uint8_t right);
std::uint8_t withoutLeftJoin(std::uint8_t right);
// The glyph left of the caret gains / loses its join to the letter typed before it.
std::uint8_t withRightJoin(std::uint8_t left);
std::uint8_t withoutRightJoin(std::uint8_t left);

// The ordered table of a class: position k of the tables of one family (the four-form tables, the
// two-form tables, the ligatures) is the same letter in another shape.
std::span<const std::uint8_t> orderedForms(FormClass c);

// A final alef (left, as stored) after an initial or medial lam (right), merged into one glyph.
struct LigaturePair {
    std::uint8_t left, right, ligature;
};
// In the order in which they are tried.
std::span<const LigaturePair> ligaturePairs();

// Replaces the first lam-alef pair that the text holds, in the order the pairs are tried, by its
// ligature, at the pair's first occurrence: at most one ligature per call.
void formFirstLigature(std::string& text);

}  // namespace vemra::content
