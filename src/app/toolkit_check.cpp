#include "app/toolkit_check.h"

#include <nlohmann/json.hpp>

#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"
#include "shell/screen.h"

namespace vemra::app {

namespace {

constexpr int hotspotCursor = 5;
constexpr gfx::Rect litArea{380, 100, 200, 240};

struct HotspotDesign {
    const char* name;
    gfx::Rect rect;
    int tag;
    const char* title;
};

constexpr HotspotDesign hotspots[] = {
    {"m2", {400, 120, 160, 50}, 1, "message box"},
    {"m3", {400, 190, 160, 50}, 2, "modal window"},
    {"m4", {400, 260, 160, 50}, 3, "open screen"},
};

// A small modal window with one button, to show that it blocks the screens beneath it.
class ModalCheck : public ui::Window {
public:
    ModalCheck() : ui::Window("modal", "TModalCheck") {
        caption = "modal window";
        setBorderStyle(ui::BorderStyle::single);
        setClientSize(300, 120);
        auto& text = add<ui::Label>("Label1");
        text.setTransparent(true);
        text.setAutoSize(true);
        text.setCaption("Only this window takes input now.");
        text.setLeft(16);
        text.setTop(20);
        auto& ok = add<ui::Button>("OK", "OK");
        ok.setBounds({112, 70, 75, 23});
        ok.onClick = [this](ui::Widget&) { modalResult = 1; };
        setFocusedControl(&ok);
        const gfx::Size d = ui::app().displaySize();
        setPosition((d.width - outerRect().width) / 2, (d.height - outerRect().height) / 2);
    }
};

}  // namespace

ToolkitCheckScreen::ToolkitCheckScreen(int level)
    : ui::Window(level == 0 ? "check" : "check" + std::to_string(level), "TToolkitCheck"), level_(level) {
    color = gfx::colors::black;
    setClientSize(640, 480);

    auto& lit = add<ui::Picture>("Image1");
    lit.setBounds(litArea);
    lit.setVisible(false);
    auto& corner = add<ui::Picture>("m9");
    corner.setBounds({490, 400, 150, 80});
    auto& background = add<ui::Picture>("m1");
    background.setBounds({0, 0, 640, 480});
    background.onMouseMove = [this](ui::Widget&, unsigned, int, int) { endHover(); };
    corner.onMouseMove = [this](ui::Widget&, unsigned, int, int) {
        if (!exitLit_) return;
        exitLit_ = false;
        find("m9")->sendToBack();
    };

    auto& exit = add<ui::Label>("Lout");
    exit.setTransparent(true);
    exit.setBounds({586, 411, 52, 67});
    exit.cursor = hotspotCursor;
    exit.hint = "exit";
    exit.showHint = true;
    exit.onMouseMove = [this](ui::Widget&, unsigned, int, int) {
        if (exitLit_) return;
        exitLit_ = true;
        find("m9")->bringToFront();
        find("Lout")->bringToFront();
    };
    exit.onClick = [this](ui::Widget&) { exitScreen(); };

    for (const auto& h : hotspots) {
        auto& spot = add<ui::Picture>(h.name);
        spot.setBounds(h.rect);
        spot.tag = h.tag;
        spot.cursor = hotspotCursor;
        spot.onMouseMove = [this](ui::Widget& s, unsigned, int, int) { lightHotspot(s); };
        spot.onClick = [this](ui::Widget& s) { hotspotClick(s); };
    }
    buildArtwork();

    onShow = [this](ui::Widget&) {
        caption = "VEMRA";
        const gfx::Size d = ui::app().displaySize();
        setPosition((d.width - clientWidth()) / 2, (d.height - clientHeight()) / 2);
    };
    onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::escape) exitScreen();
    };
    onClose = [this](ui::Window&, ui::CloseAction& action) {
        action = ui::CloseAction::none;
        exitScreen();
    };
    describeScreen = [this](nlohmann::json& screen) {
        screen["litHotspot"] = litHotspot_ ? nlohmann::json(litHotspot_->name()) : nlohmann::json(nullptr);
        screen["exitLit"] = exitLit_;
        screen["clicks"] = clicks_;
        screen["level"] = level_;
    };
}

void ToolkitCheckScreen::buildArtwork() {
    const gfx::Color backColor = level_ == 0 ? gfx::Color{24, 40, 88} : gfx::Color{24, 72, 48};
    auto background = static_cast<ui::Picture*>(find("m1"))->canvas();
    background.fillRect({0, 0, 640, 480}, backColor);
    background.state().brushClear = true;
    background.font() = {.face = "DejaVu Sans", .height = 24, .color = gfx::colors::white};
    background.textOut(40, 40, level_ == 0 ? "Toolkit check" : "Toolkit check: second screen");
    background.font().height = 14;
    auto lit = static_cast<ui::Picture*>(find("Image1"))->canvas();
    lit.fillRect({0, 0, litArea.width, litArea.height}, backColor);
    lit.state().brushClear = true;
    lit.font() = {.face = "DejaVu Sans", .height = 14, .color = gfx::colors::black};
    for (const auto& h : hotspots) {
        const gfx::Rect inLit = h.rect.translated(-litArea.left, -litArea.top);
        lit.fillRect(inLit, gfx::Color{250, 210, 60});
        lit.textOut(inLit.left + 10, inLit.top + 16, h.title);
        background.fillRect(h.rect, gfx::Color{60, 80, 140});
        background.textOut(h.rect.left + 10, h.rect.top + 16, h.title);
    }
    background.fillRect({586, 411, 52, 67}, gfx::Color{90, 40, 40});
    background.textOut(594, 436, "exit");
    auto corner = static_cast<ui::Picture*>(find("m9"))->canvas();
    corner.fillRect({0, 0, 150, 80}, gfx::Color{200, 40, 40});
    corner.state().brushClear = true;
    corner.font() = {.face = "DejaVu Sans", .height = 14, .color = gfx::colors::white};
    corner.textOut(104, 36, "exit");
}

void ToolkitCheckScreen::lightHotspot(ui::Widget& hotspot) {
    if (litHotspot_.get() == &hotspot) return;
    if (auto* previous = static_cast<ui::Picture*>(litHotspot_.get())) previous->clear();
    litHotspot_ = &hotspot;
    auto& spot = static_cast<ui::Picture&>(hotspot);
    shell::copyLitLook(spot, *static_cast<ui::Picture*>(find("Image1")));
    spot.repaint();
}

void ToolkitCheckScreen::endHover() {
    if (exitLit_) {
        exitLit_ = false;
        find("m9")->sendToBack();
    }
    if (auto* previous = static_cast<ui::Picture*>(litHotspot_.get())) {
        previous->clear();
        litHotspot_ = nullptr;
    }
}

void ToolkitCheckScreen::hotspotClick(ui::Widget& hotspot) {
    ++clicks_;
    switch (hotspot.tag) {
    case 1:
        ui::app().messageBox(this, "VEMRA", "A message box over the check screen.");
        break;
    case 2: {
        auto& modal = ui::app().create<ModalCheck>();
        modal.showModal();
        modal.release();
        break;
    }
    case 3:
        static_cast<ui::Picture&>(hotspot).clear();
        litHotspot_ = nullptr;
        ui::app().create<ToolkitCheckScreen>(level_ + 1).show();
        break;
    default:
        break;
    }
}

void ToolkitCheckScreen::exitScreen() {
    exitLit_ = false;
    if (level_ == 0) {
        ui::app().terminate();
        return;
    }
    release();
}

}  // namespace vemra::app
