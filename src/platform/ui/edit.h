#pragma once

#include <string>

#include "platform/ui/label.h"

namespace vemra::ui {

// A single-line text box of raw bytes on a white field with a sunken edge. Keys reach onKeyDown
// and onKeyPress first, which may consume them (set them to 0); then the box edits: printable
// bytes replace the selection, Backspace and Delete remove, Left/Right/Home/End move the caret
// (Shift extends the selection). Enter, Escape and Tab are left to the window.
class Edit : public Widget {
public:
    Edit(Widget* parent, std::string name);
    std::string_view kind() const override { return "edit"; }

    const std::string& text() const { return text_; }
    // A new text puts the caret at 0 with nothing selected.
    void setText(std::string text);
    // The selection runs from selStart for selLength bytes; without one, selStart is the caret.
    int selStart() const;
    int selLength() const;
    // Moves the caret to `start` (clamped), emptying the selection.
    void setSelStart(int start);
    // Selects from selStart on, as far as the text goes.
    void setSelLength(int length);

    // Longest text that typing may make, 0 for no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    const gfx::FontSpec& font() const { return font_; }
    void setFont(gfx::FontSpec f);

    // The text changed, by the user or the program.
    NotifyEvent onChange;

    bool acceptsFocus() const override { return true; }
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;
    void mouseDown(MouseButton button, unsigned shift, gfx::Point local) override;
    void mouseMove(unsigned shift, gfx::Point local) override;
    void mouseUp(MouseButton button, unsigned shift, gfx::Point local) override;
    void keyDown(int& key, unsigned shift) override;
    void keyPress(std::uint8_t& ch) override;
    void describe(nlohmann::json& out) const override;

private:
    gfx::Rect textArea() const;
    int textTop() const;
    int textLeft() const;
    // The x of the boundary before byte i, in local coordinates.
    int boundaryX(int i) const;
    int nearestBoundary(int x) const;
    void moveCaret(int to, bool extend);
    void replaceSelection(std::string_view with);
    void keepCaretVisible();

    std::string text_;
    int anchor_ = 0;  // the selection's fixed end; the caret is its moving end
    int caret_ = 0;
    int maxLength_ = 0;
    int scroll_ = 0;  // how far the text is moved right of its aligned place to show the caret
    Alignment alignment_ = Alignment::left;
    gfx::FontSpec font_;
    bool selecting_ = false;
};

}  // namespace vemra::ui
