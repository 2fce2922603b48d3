#include "content/glyph_map.h"

#include <algorithm>

#include "content/content_error.h"
#include "content/glyph_forms.h"

namespace vemra::content {

namespace {

constexpr char32_t lam = U'\u0644';

// The forms of a letter record in the order the input method takes them.
constexpr GlyphForm fourForms[] = {GlyphForm::initial, GlyphForm::medial, GlyphForm::final, GlyphForm::isolated};
constexpr GlyphForm twoForms[] = {GlyphForm::final, GlyphForm::isolated};

std::size_t formCount(Joining joining) { return joining == Joining::dual ? 4 : joining == Joining::right ? 2 : 1; }

// A code that stands for several shapes of its letter (the tatweel's one code, an alef whose two
// forms share a code) counts as joined, so that no non-joiner is ever read into it.
GlyphForm joinedForm(Joining joining) { return joining == Joining::dual ? GlyphForm::medial : GlyphForm::final; }

// The platform shows the ASCII digits its Persian layout types with Persian shapes, as the title's
// glyphs picture them: in the text they are Persian digits.
char32_t asShown(char32_t c) { return c >= U'0' && c <= U'9' ? U'\u06F0' + (c - U'0') : c; }

// Characters typed by the key of another: Arabic-Indic and ASCII digits by the Persian digit's.
char32_t typedAs(char32_t c) { return c >= U'\u0660' && c <= U'\u0669' ? U'\u06F0' + (c - U'\u0660') : asShown(c); }

bool unjoinedAfter(GlyphForm form) { return form == GlyphForm::final || form == GlyphForm::isolated; }
bool unjoinedBefore(GlyphForm form) { return form == GlyphForm::isolated || form == GlyphForm::initial; }

// The four-form family, then the two-form family: the same position in each table is one letter.
constexpr FormClass fourFormClasses[] = {FormClass::initial, FormClass::medial, FormClass::final, FormClass::isolated};
constexpr FormClass twoFormClasses[] = {FormClass::twoFormFinal, FormClass::twoFormIsolated};

}  // namespace

Joining joiningOf(char32_t c) {
    switch (c) {
    case U'\u0622': case U'\u0623': case U'\u0624': case U'\u0625': case U'\u0627': case U'\u0629':
    case U'\u062F': case U'\u0630': case U'\u0631': case U'\u0632': case U'\u0648': case U'\u0698':
    case U'\u06C0':
        return Joining::right;
    case U'\u0621':
        return Joining::none;
    default:
        break;
    }
    if ((c >= U'\u0626' && c <= U'\u064A') || c == U'\u067E' || c == U'\u0686' || c == U'\u06A9' || c == U'\u06AF' ||
        c == U'\u06CC')
        return Joining::dual;  // the tatweel U+0640 joins both sides too
    return Joining::none;
}

GlyphMap GlyphMap::derive(const KeyboardTables& keys, std::span<const LayoutKey> layout) {
    GlyphMap map;
    for (const LayoutKey& key : layout) {
        const KeyLookup found = keys.lookUp(static_cast<unsigned char>(key.key));
        const Joining joining = joiningOf(key.character);
        if (found.outcome != KeyLookup::Outcome::letter || found.letter.forms.size() != formCount(joining)) continue;
        const char32_t character = asShown(key.character);
        map.keys_.emplace(character, std::uint8_t(key.key));
        const auto& forms = found.letter.forms;
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const bool shared = std::count(forms.begin(), forms.end(), forms[i]) > 1;
            const GlyphForm form = shared ? joinedForm(joining)
                                 : joining == Joining::dual  ? fourForms[i]
                                 : joining == Joining::right ? twoForms[i]
                                                             : GlyphForm::isolated;
            map.assign(forms[i], character, form);
        }
    }
    // A letter's other shapes stand at its position in the other tables of its family.
    const auto extend = [&](std::span<const FormClass> family, std::span<const GlyphForm> forms) {
        const std::size_t positions = orderedForms(family[0]).size();
        for (std::size_t p = 0; p < positions; ++p) {
            std::optional<char32_t> letter;
            for (const FormClass c : family)
                if (const GlyphMeaning* m = map.meaning(orderedForms(c)[p]); m && m->letters.size() == 1) letter = m->letters[0];
            if (!letter) continue;
            for (std::size_t f = 0; f < family.size(); ++f) {
                const std::uint8_t code = orderedForms(family[f])[p];
                if (!map.meaning(code)) map.assign(code, *letter, forms[f]);
            }
        }
    };
    extend(fourFormClasses, fourForms);
    extend(twoFormClasses, twoForms);
    for (const LigaturePair& pair : ligaturePairs()) {
        const GlyphMeaning* lamShape = map.meaning(pair.right);
        const GlyphMeaning* alef = map.meaning(pair.left);
        if (!lamShape || !alef || lamShape->letters != std::u32string(1, lam) || alef->letters.size() != 1) continue;
        map.codes_[pair.ligature] = GlyphMeaning{std::u32string{lam, alef->letters[0]}, lamShape->firstForm, false,
                                                 unjoinedBefore(lamShape->firstForm)};
    }
    // What the title itself uses as characters: the space between words, the hyphen before titles.
    if (!map.meaning(' ')) map.assign(' ', U' ', GlyphForm::isolated);
    if (!map.meaning('-')) map.assign('-', U'-', GlyphForm::isolated);
    return map;
}

void GlyphMap::assign(std::uint8_t code, char32_t letter, GlyphForm form) {
    if (codes_[code]) return;  // the first key to type a code names it
    const Joining joining = joiningOf(letter);
    codes_[code] = GlyphMeaning{std::u32string(1, letter), form, joining == Joining::dual && unjoinedAfter(form),
                                joining != Joining::none && unjoinedBefore(form)};
}

const GlyphMeaning* GlyphMap::meaning(std::uint8_t code) const { return codes_[code] ? &*codes_[code] : nullptr; }

std::optional<std::uint8_t> GlyphMap::keyFor(char32_t c) const {
    const auto it = keys_.find(typedAs(c));
    if (it == keys_.end()) return std::nullopt;
    return it->second;
}

ContentGlyphMap readGlyphMap() {
    KeyboardTables keys;
    std::optional<std::string> damage;
    try {
        keys.load();
    } catch (const ContentError& e) {
        damage = e.what();  // the keys read before the failure still count
    }
    return {GlyphMap::derive(keys), std::move(damage)};
}

const GlyphMap& glyphMap() {
    static const GlyphMap map = readGlyphMap().map;
    return map;
}

}  // namespace vemra::content
