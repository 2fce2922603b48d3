#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace vemra::gfx {

enum FontStyle : unsigned { styleBold = 1, styleItalic = 2, styleUnderline = 4, styleStrikeOut = 8 };

// What a control or canvas asks for: a face name, a character height in pixels (the font's height
// without its internal leading; an em for scalable faces), a colour, a style.
struct FontSpec {
    std::string face = "MS Sans Serif";
    int height = 11;  // 8-point MS Sans Serif, the dialog font of the title's platform
    Color color = colors::windowText;
    unsigned style = 0;
    int charset = 1;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A resolved font at one size. Registered bitmap faces address glyphs by raw byte code; the
// TrueType fallback reads bytes as UTF-8 when they are valid UTF-8 and as Latin-1 otherwise.
class Font {
public:
    virtual ~Font() = default;

    virtual std::string faceName() const = 0;
    // Height of a text line (the character cell) and the baseline's distance from its top.
    virtual int lineHeight() const = 0;
    virtual int ascent() const = 0;
    // Advance of one byte code; the bitmap faces give their cell width, unknown codes the default glyph's.
    virtual int advance(std::uint8_t code) const = 0;
    virtual int textWidth(std::string_view bytes) const = 0;
    // Draws the glyph of `code` with its cell's top-left corner at (x, y), writing only inside clip.
    virtual void drawGlyph(Bitmap& target, Rect clip, int x, int y, std::uint8_t code, Color color) const = 0;
    // Draws a whole string from (x, y) to the right, pen advancing glyph by glyph.
    virtual void drawText(Bitmap& target, Rect clip, int x, int y, std::string_view bytes, Color color) const = 0;
};

// What of a registered font file cannot be used: faces it declares that do not open (left out),
// and glyphs of its faces that do not load (drawn as nothing).
struct FontDamage {
    long facesLeftOut = 0;
    long unreadableGlyphs = 0;
    long headersOutside = 0;  // FNT headers whose glyph bits lie past the end of the file
};

// The process-wide font table: registered font files and the fonts resolved from them.
class FontLibrary {
public:
    static FontLibrary& shared();

    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // Registers every face and size a font file holds; returns the number of faces added (0 = failure).
    int registerFile(const std::filesystem::path& file);
    // The same for a font file's bytes, registered under `name`.
    int registerFont(const std::string& name, std::vector<std::uint8_t> bytes);
    // Removes the faces a file added; true when the file was registered.
    bool unregisterFile(const std::filesystem::path& file);
    bool unregisterFont(const std::string& name);
    // What of the file registered under `name` cannot be used (nothing when it is not registered).
    FontDamage damage(const std::string& name) const;
    // Face names of the registered files, in registration order, each once.
    std::vector<std::string> registeredFaces() const;
    // Character heights available for a registered face (empty for unknown faces).
    std::vector<int> heightsOf(std::string_view face) const;

    // The font for a request: a registered face at the size whose character height matches, else the
    // nearest; any other face name gives the TrueType fallback at that pixel height.
    std::shared_ptr<const Font> font(const FontSpec& request);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vemra::gfx
