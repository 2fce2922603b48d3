#pragma once

#include <string>

#include "platform/ui/widget.h"

namespace vemra::ui {

enum class Alignment { left, right, center };

// A text label, transparent or filled with its colour. Captions are raw bytes in the label's font
// (no accelerator characters). Its canvas draws straight onto the window surface beneath it; what
// is drawn there lasts until that area repaints.
class Label : public Widget {
public:
    Label(Widget* parent, std::string name);
    std::string_view kind() const override { return "label"; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    const gfx::FontSpec& font() const { return font_; }
    void setFont(gfx::FontSpec f);
    gfx::Color color() const { return color_; }
    void setColor(gfx::Color c);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    // Width follows the caption's width whenever the caption or font changes.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);

    gfx::Canvas canvas();
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;
    void describe(nlohmann::json& out) const override;

private:
    void fitWidth();

    std::string caption_;
    gfx::FontSpec font_;
    gfx::Color color_ = gfx::colors::buttonFace;
    bool transparent_ = false;
    Alignment alignment_ = Alignment::left;
    bool autoSize_ = false;
    gfx::CanvasState canvasState_;
};

}  // namespace vemra::ui
