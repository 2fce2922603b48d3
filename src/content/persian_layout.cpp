#include "content/persian_layout.h"

namespace vemra::content {

namespace {

// The Persian layout of the title's platform (keyboard "Persian", layout 00000429), as three
// descriptions give it key for key and agree on every key: the platform maker's own chart
// (MicrosoftDocs/globalization, globalization/keyboards/kbdfa.html), the Unicode CLDR's extraction
// (unicode-org/cldr, keyboards/windows/fa-t-k0-windows.xml) and one made from the layout file
// itself (keymanapp/keyboards, release/basic/basic_kbdfa). It is the older layout, not ISIRI 9147:
// `m` types yeh with hamza and `\` peh there, the digits are the ASCII digits.
//
// Where the title itself says otherwise, the title holds: its input method retypes Shift+Y for
// lam with alef with hamza below, so on its platform Shift+Y typed that alef (the later layout has
// the Arabic semicolon there, and the same alef also on Shift+B). Left out: Shift+G, whose heh with
// yeh above came with a later version of the layout (what it typed before is not described), and
// Shift+R, which types a four-letter word. The characters are what the keys type: the layout
// already gives the brackets that stand the other way round in right-to-left text.
constexpr LayoutKey layout[] = {
    // Letters, unshifted.
    {'q', U'\u0636'}, {'w', U'\u0635'}, {'e', U'\u062B'}, {'r', U'\u0642'}, {'t', U'\u0641'},
    {'y', U'\u063A'}, {'u', U'\u0639'}, {'i', U'\u0647'}, {'o', U'\u062E'}, {'p', U'\u062D'},
    {'[', U'\u062C'}, {']', U'\u0686'}, {'\\', U'\u067E'}, {'a', U'\u0634'}, {'s', U'\u0633'},
    {'d', U'\u06CC'}, {'f', U'\u0628'}, {'g', U'\u0644'}, {'h', U'\u0627'}, {'j', U'\u062A'},
    {'k', U'\u0646'}, {'l', U'\u0645'}, {';', U'\u06A9'}, {'\'', U'\u06AF'}, {'z', U'\u0638'},
    {'x', U'\u0637'}, {'c', U'\u0632'}, {'v', U'\u0631'}, {'b', U'\u0630'}, {'n', U'\u062F'},
    {'m', U'\u0626'}, {',', U'\u0648'},
    // Letters and marks, shifted.
    {'Y', U'\u0625'}, {'H', U'\u0622'}, {'N', U'\u0623'}, {'B', U'\u0625'}, {'C', U'\u0698'},
    {'V', U'\u0624'}, {'X', U'\u064A'}, {'Z', U'\u0629'}, {'M', U'\u0621'}, {'J', U'\u0640'},
    {'Q', U'\u064B'}, {'W', U'\u064C'}, {'E', U'\u064D'}, {'A', U'\u064E'}, {'S', U'\u064F'},
    {'D', U'\u0650'}, {'F', U'\u0651'},
    // Digits and punctuation.
    {'0', U'0'}, {'1', U'1'}, {'2', U'2'}, {'3', U'3'}, {'4', U'4'}, {'5', U'5'}, {'6', U'6'},
    {'7', U'7'}, {'8', U'8'}, {'9', U'9'}, {' ', U' '}, {'.', U'.'}, {'/', U'/'}, {'-', U'-'},
    {'T', U'\u060C'}, {'?', U'\u061F'}, {':', U':'}, {'!', U'!'}, {'(', U')'}, {')', U'('},
    {'K', U'\u00AB'}, {'L', U'\u00BB'}, {'"', U'"'}, {'%', U'%'}, {'U', U','}, {'I', U']'},
    {'O', U'['}, {'P', U'\\'}, {'{', U'}'}, {'}', U'{'}, {'|', U'|'}, {'`', U'\u00F7'},
    {'~', U'\u00D7'}, {'@', U'@'}, {'#', U'#'}, {'$', U'$'}, {'^', U'^'}, {'&', U'&'},
    {'*', U'*'}, {'_', U'_'}, {'+', U'+'}, {'=', U'='}, {'<', U'<'}, {'>', U'>'},
};

}  // namespace

std::span<const LayoutKey> persianLayout() { return layout; }

}  // namespace vemra::content
