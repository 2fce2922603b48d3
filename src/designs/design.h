#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace vemra::designs {

// The kinds of component a window design holds; each maps to one toolkit control.
enum class Kind { picture, label, panel, timer, listBox, memo, edit, radio, scrollBar };

enum class Align { left, right, center };

struct FontDesign {
    std::string_view face = "MS Sans Serif";
    int height = 13;
    gfx::Color color{0, 0, 0};
    unsigned style = 0;  // gfx::FontStyle bits
    int charset = 1;
};

// One component as the window's designer placed it. Geometry is in the parent's client coordinates.
struct ComponentDesign {
    std::string_view name{};
    Kind kind = Kind::picture;
    gfx::Rect rect{};
    std::string_view parent = {};  // empty: the window itself
    bool visible = true;
    bool enabled = true;
    int cursor = 0;                // 5 hotspot cursor, 2 list cursor, -21 system hand, 0 default
    int tag = 0;
    std::string_view hint = {};
    bool showHint = false;
    std::string_view caption = {};  // raw bytes (glyph codes for Persian captions)
    std::optional<FontDesign> font{};
    std::optional<gfx::Color> color{};  // background of labels, panels, lists, memos, edits, radios
    bool transparent = false;         // labels
    Align alignment = Align::left;    // labels, memos, edits
    bool autoSize = false;            // labels, pictures
    bool stretch = false;             // pictures
    bool artwork = false;             // picture whose bitmap is art/<window>/<name>.bmp of the content tree
    int interval = 0;                 // timers, milliseconds
    bool timerEnabled = true;         // timers
    bool checked = false;             // radios
    int min = 0, max = 100, position = 0, smallChange = 1, largeChange = 1;  // scroll bars
    bool scrollBars = false;          // memos and lists: show scroll bars
    int itemHeight = 0;               // list boxes: designed item height, 0 for the toolkit's default
};

enum class Border { none, single };

// A window as designed: its name, class, designed client size and components in creation order
// (later components lie above earlier ones).
struct WindowDesign {
    std::string_view name;       // instance name, e.g. "frm9", "Frm17", "sear"
    std::string_view className;  // e.g. "Tfrm9", "TFrm17", "Tsear"
    gfx::Size client;            // the designed client size
    Border border = Border::none;
    std::optional<gfx::Color> color{};  // window background
    std::span<const ComponentDesign> components;
    bool enabled = true;     // a disabled window takes no mouse or keyboard input
    bool maximized = false;  // window state as designed
    bool stayOnTop = false;  // kept above all other windows
};

// Every window design of the title, and one by instance name (nullptr when unknown).
std::span<const WindowDesign* const> allDesigns();
const WindowDesign* findDesign(std::string_view name);

}  // namespace vemra::designs
