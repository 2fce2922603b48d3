#pragma once

#include <string>

#include "platform/ui/widget.h"

namespace vemra::ui {

// A push button: raised, pressed while the left button is held on it; Enter or Space click it.
class Button : public Widget {
public:
    Button(Widget* parent, std::string name, std::string caption);
    std::string_view kind() const override { return "button"; }
    const std::string& caption() const { return caption_; }

    bool acceptsFocus() const override { return true; }
    void paint(gfx::Bitmap& surface, gfx::Point at, gfx::Rect clip) override;
    void describe(nlohmann::json& out) const override;
    void mouseDown(MouseButton button, unsigned shift, gfx::Point local) override;
    void mouseUp(MouseButton button, unsigned shift, gfx::Point local) override;
    void keyDown(int& key, unsigned shift) override;

private:
    std::string caption_;
    bool pressed_ = false;
};

}  // namespace vemra::ui
