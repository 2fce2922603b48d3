#include "content/glyph_forms.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

namespace vemra::content {

namespace {

using Codes = std::span<const std::uint8_t>;

// Position k of each four-form table is one letter in four shapes.
constexpr std::uint8_t initialForms[] = {173, 43,  51,  55,  59,  67,  71,  85,  89,  93,  97,  101,
                                         105, 109, 113, 117, 121, 125, 135, 147, 151, 159, 167, 175};
constexpr std::uint8_t medialForms[] = {172, 42,  50,  54,  58,  66,  70,  84,  88,  248, 96,  100,
                                        104, 108, 112, 116, 120, 124, 134, 146, 150, 225, 166, 175};
constexpr std::uint8_t finalForms[] = {171, 41,  49,  53,  57,  65,  69,  83,  87,  91,  95,  99,
                                       103, 107, 111, 115, 119, 127, 133, 145, 149, 224, 169, 175};
constexpr std::uint8_t isolatedForms[] = {170, 40,  48,  52,  56,  64,  68,  82,  86,  90,  94,  98,
                                          102, 106, 110, 114, 118, 126, 132, 144, 148, 156, 168, 175};

// The plain alef stands at position 5 as final 31 and isolated 30, as the class sets and the
// lam-alef pairs count them, so that it changes shape like every other two-form letter.
constexpr std::uint8_t twoFormFinals[] = {33, 35, 155, 37, 31, 163, 73, 75, 77, 79, 153, 165};
constexpr std::uint8_t twoFormIsolated[] = {33, 34, 154, 36, 30, 162, 72, 74, 76, 78, 152, 164};

constexpr std::uint8_t ligatureFinals[] = {143, 137, 141, 139};
constexpr std::uint8_t ligatureIsolated[] = {142, 136, 140, 138};

// The class sets where they differ from their ordered tables: 29 counts as a two-form isolated
// code although no letter has it.
constexpr std::uint8_t twoFormFinalSet[] = {31, 33, 35, 37, 73, 75, 77, 79, 153, 155, 163, 165};
constexpr std::uint8_t twoFormIsolatedSet[] = {29, 30, 34, 36, 72, 74, 76, 78, 152, 154, 162, 164};

constexpr std::uint8_t nonJoiningCodes[] = {1,   2,   3,   4,   5,   6,   11,  12,  14,  15,  16,  18,  22,
                                            23,  24,  25,  27,  28,  32,  92,  138, 174, 179, 180, 181, 182,
                                            184, 189, 195, 196, 197, 198, 199, 200, 201, 202, 245, 247, 249};

constexpr LigaturePair ligaturePairTable[] = {{31, 134, 137}, {31, 135, 136}, {35, 134, 141}, {35, 135, 140},
                                          {37, 134, 143}, {37, 135, 142}, {33, 134, 139}, {33, 135, 138}};

bool holds(Codes codes, std::uint8_t code) { return std::find(codes.begin(), codes.end(), code) != codes.end(); }

// Class sets in the order classification tries them, each with its ordered table.
struct ClassTable {
    FormClass formClass;
    Codes set;
    Codes ordered;
};
constexpr std::array<ClassTable, 8> classTables{{
    {FormClass::initial, initialForms, initialForms},
    {FormClass::medial, medialForms, medialForms},
    {FormClass::final, finalForms, finalForms},
    {FormClass::isolated, isolatedForms, isolatedForms},
    {FormClass::twoFormFinal, twoFormFinalSet, twoFormFinals},
    {FormClass::twoFormIsolated, twoFormIsolatedSet, twoFormIsolated},
    {FormClass::ligatureFinal, ligatureFinals, ligatureFinals},
    {FormClass::ligatureIsolated, ligatureIsolated, ligatureIsolated},
}};

FormClass classify(std::uint8_t code, std::size_t classCount) {
    for (std::size_t i = 0; i < classCount; ++i)
        if (holds(classTables[i].set, code)) return classTables[i].formClass;
    return FormClass::unclassified;
}

Codes orderedTable(FormClass c) { return classTables[std::size_t(c)].ordered; }

// The same letter in class `to`; a code without a place in its class's table (29) keeps its shape.
std::uint8_t reshape(std::uint8_t code, FormClass from, FormClass to) {
    const Codes source = orderedTable(from);
    const auto it = std::find(source.begin(), source.end(), code);
    if (it == source.end()) return code;
    return orderedTable(to)[std::size_t(it - source.begin())];
}

struct Change {
    FormClass from, to;
};

std::uint8_t applyChanges(std::uint8_t code, FormClass actual, std::initializer_list<Change> changes) {
    for (const Change& c : changes)
        if (c.from == actual) return reshape(code, c.from, c.to);
    return code;
}

}  // namespace

FormClass classifyLeft(std::uint8_t code) { return classify(code, 8); }
FormClass classifyRight(std::uint8_t code) { return classify(code, 6); }

bool isFourForm(FormClass c) {
    return c == FormClass::initial || c == FormClass::medial || c == FormClass::final || c == FormClass::isolated;
}

std::span<const std::uint8_t> orderedForms(FormClass c) { return orderedTable(c); }

std::span<const LigaturePair> ligaturePairs() { return ligaturePairTable; }

bool isLigature(std::uint8_t code) { return code >= 136 && code <= 143; }
bool isNonJoining(std::uint8_t code) { return holds(nonJoiningCodes, code); }

std::uint8_t withLeftJoin(std::uint8_t right) {
    using enum FormClass;
    return applyChanges(right, classifyRight(right), {{final, medial}, {isolated, initial}});
}

std::uint8_t withoutLeftJoin(std::uint8_t right) {
    using enum FormClass;
    return applyChanges(right, classifyRight(right), {{initial, isolated}, {medial, final}});
}

std::uint8_t withRightJoin(std::uint8_t left) {
    using enum FormClass;
    return applyChanges(left, classifyLeft(left),
                        {{initial, medial}, {isolated, final}, {twoFormIsolated, twoFormFinal},
                         {ligatureIsolated, ligatureFinal}});
}

std::uint8_t withoutRightJoin(std::uint8_t left) {
    using enum FormClass;
    return applyChanges(left, classifyLeft(left),
                        {{medial, initial}, {final, isolated}, {twoFormFinal, twoFormIsolated},
                         {ligatureFinal, ligatureIsolated}});
}

void formFirstLigature(std::string& text) {
    for (const LigaturePair& pair : ligaturePairTable) {
        const char seek[] = {char(pair.left), char(pair.right), 0};
        if (const std::size_t at = text.find(seek); at != std::string::npos) {
            text.replace(at, 2, 1, char(pair.ligature));
            return;
        }
    }
}

}  // namespace vemra::content
