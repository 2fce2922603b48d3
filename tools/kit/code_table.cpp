#include "kit/code_table.h"

#include <algorithm>

namespace vemra::kit {

namespace {

// Presentation forms come in the order isolated, final, initial, medial from `first` on.
constexpr Letter dual(char32_t c, std::string_view name, std::uint8_t isolated, std::uint8_t final,
                      std::uint8_t initial, std::uint8_t medial, char32_t first) {
    return {c, name, Joining::dual, {isolated, final, initial, medial}, {first, first + 1, first + 2, first + 3}};
}

// Presentation forms come in the order isolated, final from `first` on.
constexpr Letter right(char32_t c, std::string_view name, std::uint8_t isolated, std::uint8_t final, char32_t first) {
    return {c, name, Joining::right, {isolated, final, isolated, final}, {first, first + 1, first, first + 1}};
}

constexpr Letter single(char32_t c, std::string_view name, std::uint8_t code) {
    return {c, name, Joining::none, {code, code, code, code}, {c, c, c, c}};
}

constexpr Letter mark(char32_t c, std::string_view name, std::uint8_t code) {
    return {c, name, Joining::mark, {code, code, code, code}, {c, c, c, c}};
}

// Four-form letters at positions 1 to 24 of the input method's form tables, then the two-form
// letters at positions 1 to 12 of its two-form tables, then the letters those tables leave out.
constexpr Letter letterTable[] = {
    dual(U'\u06AF', "gaf", 170, 171, 173, 172, 0xFB92),
    dual(U'\u0628', "beh", 40, 41, 43, 42, 0xFE8F),
    dual(U'\u062A', "teh", 48, 49, 51, 50, 0xFE95),
    dual(U'\u062B', "theh", 52, 53, 55, 54, 0xFE99),
    dual(U'\u062C', "jeem", 56, 57, 59, 58, 0xFE9D),
    dual(U'\u062D', "hah", 64, 65, 67, 66, 0xFEA1),
    dual(U'\u062E', "khah", 68, 69, 71, 70, 0xFEA5),
    dual(U'\u0633', "seen", 82, 83, 85, 84, 0xFEB1),
    dual(U'\u0634', "sheen", 86, 87, 89, 88, 0xFEB5),
    dual(U'\u0635', "sad", 90, 91, 93, 248, 0xFEB9),
    dual(U'\u0636', "dad", 94, 95, 97, 96, 0xFEBD),
    dual(U'\u0637', "tah", 98, 99, 101, 100, 0xFEC1),
    dual(U'\u0638', "zah", 102, 103, 105, 104, 0xFEC5),
    dual(U'\u0639', "ain", 106, 107, 109, 108, 0xFEC9),
    dual(U'\u063A', "ghain", 110, 111, 113, 112, 0xFECD),
    dual(U'\u0641', "feh", 114, 115, 117, 116, 0xFED1),
    dual(U'\u0642', "qaf", 118, 119, 121, 120, 0xFED5),
    dual(U'\u06A9', "keheh", 126, 127, 125, 124, 0xFB8E),
    dual(lam, "lam", 132, 133, 135, 134, 0xFEDD),
    dual(U'\u0645', "meem", 144, 145, 147, 146, 0xFEE1),
    dual(U'\u0646', "noon", 148, 149, 151, 150, 0xFEE5),
    dual(U'\u0647', "heh", 156, 224, 159, 225, 0xFEE9),
    dual(U'\u06CC', "farsi yeh", 168, 169, 167, 166, 0xFBFC),
    {U'\u0640', "tatweel", Joining::dual, {175, 175, 175, 175}, {0x0640, 0x0640, 0x0640, 0x0640}},

    // Code 33 is both forms; it is drawn joined, as it stands in the lam-alef pairs.
    {U'\u0623', "alef with hamza above", Joining::right, {33, 33, 33, 33}, {0xFE84, 0xFE84, 0xFE84, 0xFE84}},
    right(U'\u0622', "alef with madda above", 34, 35, 0xFE81),
    right(U'\u0624', "waw with hamza above", 154, 155, 0xFE85),
    right(U'\u0625', "alef with hamza below", 36, 37, 0xFE87),
    right(U'\u0627', "alef", 30, 31, 0xFE8D),
    right(U'\u06C0', "heh with yeh above", 162, 163, 0xFBA4),
    right(U'\u062F', "dal", 72, 73, 0xFEA9),
    right(U'\u0630', "thal", 74, 75, 0xFEAB),
    right(U'\u0631', "reh", 76, 77, 0xFEAD),
    right(U'\u0632', "zain", 78, 79, 0xFEAF),
    right(U'\u0648', "waw", 152, 153, 0xFEED),
    right(U'\u0698', "jeh", 164, 165, 0xFB8A),

    dual(U'\u067E', "peh", 44, 176, 47, 46, 0xFB56),
    dual(U'\u0686', "tcheh", 60, 61, 63, 62, 0xFB7A),
    dual(U'\u0626', "yeh with hamza above", 128, 129, 131, 130, 0xFE89),
    right(U'\u0629', "teh marbuta", 80, 81, 0xFE93),

    single(U' ', "space", 32),
    single(U'\u0621', "hamza", 27),
    single(U'\u060C', "comma", 1),
    single(U'\u061B', "semicolon", 2),
    single(U'\u061F', "question mark", 3),
    single(U'.', "full stop", 4),
    single(U':', "colon", 5),
    single(U'!', "exclamation mark", 6),
    single(U'(', "left parenthesis", 15),
    single(U')', "right parenthesis", 16),
    single(U'\u00AB', "left guillemet", 18),
    single(U'\u00BB', "right guillemet", 22),
    single(U'-', "hyphen", 23),
    single(U'/', "slash", 24),
    single(U'\u066A', "percent sign", 25),
    single(U'\u06F0', "digit zero", 174),
    single(U'\u06F1', "digit one", 179),
    single(U'\u06F2', "digit two", 180),
    single(U'\u06F3', "digit three", 181),
    single(U'\u06F4', "digit four", 182),
    single(U'\u06F5', "digit five", 184),
    single(U'\u06F6', "digit six", 189),
    single(U'\u06F7', "digit seven", 245),
    single(U'\u06F8', "digit eight", 247),
    single(U'\u06F9', "digit nine", 249),

    mark(U'\u064B', "fathatan", 195),
    mark(U'\u064C', "dammatan", 196),
    mark(U'\u064D', "kasratan", 197),
    mark(U'\u064E', "fatha", 198),
    mark(U'\u064F', "damma", 199),
    mark(U'\u0650', "kasra", 200),
    mark(U'\u0651', "shadda", 201),
    mark(U'\u0652', "sukun", 202),
    mark(U'\u0670', "superscript alef", 203),
    mark(U'\u0653', "madda above", 204),
    mark(U'\u0654', "hamza above", 205),
    mark(U'\u0655', "hamza below", 206),
};

// Lam medial (134) gives the joined ligature, lam initial (135) the isolated one.
constexpr LigaturePair ligaturePairTable[] = {
    {31, 134, 137, 0xFEFC}, {31, 135, 136, 0xFEFB}, {35, 134, 141, 0xFEF6}, {35, 135, 140, 0xFEF5},
    {37, 134, 143, 0xFEFA}, {37, 135, 142, 0xFEF9}, {33, 134, 139, 0xFEF8}, {33, 135, 138, 0xFEF7},
};

// The Persian layout of the title's platform on the ASCII keys (the program's own
// src/content/persian_layout.cpp names its sources), with the alefs where the input method
// retypes them, on the keys whose letters the demo's font has. A key types the glyph its character
// shows in a right-to-left line: the key of « types the picture », the key that types ")" the
// picture "(".
constexpr KeyBinding keyTable[] = {
    {'q', U'\u0636'}, {'w', U'\u0635'}, {'e', U'\u062B'}, {'r', U'\u0642'}, {'t', U'\u0641'},
    {'y', U'\u063A'}, {'u', U'\u0639'}, {'i', U'\u0647'}, {'o', U'\u062E'}, {'p', U'\u062D'},
    {'[', U'\u062C'}, {']', U'\u0686'}, {'\\', U'\u067E'}, {'a', U'\u0634'}, {'s', U'\u0633'},
    {'d', U'\u06CC'}, {'f', U'\u0628'}, {'g', U'\u0644'}, {'h', U'\u0627'}, {'j', U'\u062A'},
    {'k', U'\u0646'}, {'l', U'\u0645'}, {';', U'\u06A9'}, {'\'', U'\u06AF'}, {'z', U'\u0638'},
    {'x', U'\u0637'}, {'c', U'\u0632'}, {'v', U'\u0631'}, {'b', U'\u0630'}, {'n', U'\u062F'},
    {'m', U'\u0626'}, {',', U'\u0648'}, {'.', U'.'}, {'/', U'/'},
    {'C', U'\u0698'}, {'V', U'\u0624'}, {'Z', U'\u0629'}, {'M', U'\u0621'},
    {'H', U'\u0622'}, {'N', U'\u0623'}, {'B', U'\u0625'}, {'Y', U'\u0625'},
    {'J', U'\u0640'}, {'T', U'\u060C'}, {'?', U'\u061F'}, {':', U':'},
    {'!', U'!'}, {'(', U'('}, {')', U')'}, {'K', U'\u00BB'}, {'L', U'\u00AB'}, {'-', U'-'},
    {' ', U' '},
    {'0', U'\u06F0'}, {'1', U'\u06F1'}, {'2', U'\u06F2'}, {'3', U'\u06F3'}, {'4', U'\u06F4'},
    {'5', U'\u06F5'}, {'6', U'\u06F6'}, {'7', U'\u06F7'}, {'8', U'\u06F8'}, {'9', U'\u06F9'},
};

constexpr std::uint8_t asciiHyphen = '-';

std::array<CodeGlyph, 256> codeGlyphs() {
    std::array<CodeGlyph, 256> glyphs{};
    for (const Letter& letter : letterTable)
        for (std::size_t form = 0; form < 4; ++form)
            glyphs[letter.codes[form]] = {letter.pictures[form], letter.character, letter.joining == Joining::mark};
    for (const LigaturePair& pair : ligaturePairTable) glyphs[pair.ligature] = {pair.picture, pair.picture, false};
    // Byte 45 is the ASCII hyphen the program itself puts before list titles ("- ").
    glyphs[asciiHyphen] = {U'-', U'-', false};
    return glyphs;
}

}  // namespace

std::span<const Letter> letters() { return letterTable; }
std::span<const LigaturePair> ligaturePairs() { return ligaturePairTable; }
std::span<const KeyBinding> keyBindings() { return keyTable; }

const Letter* findLetter(char32_t character) {
    const auto it = std::find_if(std::begin(letterTable), std::end(letterTable),
                                 [&](const Letter& l) { return l.character == character; });
    return it == std::end(letterTable) ? nullptr : &*it;
}

const Letter* letterForKey(char key) {
    const auto it = std::find_if(std::begin(keyTable), std::end(keyTable), [&](const KeyBinding& b) { return b.key == key; });
    return it == std::end(keyTable) ? nullptr : findLetter(it->character);
}

const CodeGlyph& glyphForCode(std::uint8_t code) {
    static const std::array<CodeGlyph, 256> glyphs = codeGlyphs();
    return glyphs[code];
}

}  // namespace vemra::kit
