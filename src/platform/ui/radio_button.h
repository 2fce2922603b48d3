#pragma once

#include <string>

#include "platform/ui/widget.h"

namespace vemra::ui {

// An option button: a round box with the caption to its right. The option buttons of one parent
// form a group in which at most one is checked. A click, or Space while it has the focus, checks
// it and then fires onClick.
class RadioButton : public Widget {
public:
    static constexpr int boxSize = 12;

    RadioButton(Widget* parent, std::string name);
    std::string_view kind() const override { return "radio"; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    const gfx::FontSpec& font() const { return font_; }
    void setFont(gfx::FontSpec f);
    gfx::Color color() const { return color_; }
    void setColor(gfx::Color c);

    bool checked() const { return checked_; }
    // Checking one unchecks the others of its group.
    void setChecked(bool c);

    bool acceptsFocus() const override { return true; }
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;
    void click() override;
    void keyDown(int& key, unsigned shift) override;
    void describe(nlohmann::json& out) const override;

private:
    std::string caption_;
    gfx::FontSpec font_;
    gfx::Color color_ = gfx::colors::buttonFace;
    bool checked_ = false;
};

}  // namespace vemra::ui
