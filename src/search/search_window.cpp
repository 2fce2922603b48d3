#include "search/search_window.h"

#include <nlohmann/json.hpp>

#include "content/glyph_map.h"
#include "content/logical_text.h"
#include "designs/design.h"
#include "platform/ui/application.h"
#include "platform/ui/hex.h"
#include "platform/ui/picture.h"
#include "search/below_centre.h"
#include "shell/artwork.h"
#include "shell/navigation.h"
#include "shell/un4.h"

namespace vemra::search {

using shell::un4;

namespace {
ui::Window& built(ui::Window& window) {
    shell::buildFromDesign(window, *designs::findDesign(window.name()), shell::artSource());
    return window;
}
}  // namespace

Tsear::Tsear()
    : ui::Window("sear", "Tsear"),
      me1_(shell::component<ui::Edit>(built(*this), "me1")),
      rad1_(shell::component<ui::RadioButton>(*this, "rad1")),
      rad2_(shell::component<ui::RadioButton>(*this, "rad2")) {
    input_.onEnter = [this] { runFind(); };
    input_.onEscape = [this] { close(); };
    input_.onNoLetter = [this] { shell::navigation().openModal("Frm37", *this); };
    me1_.onKeyDown = [this](ui::Widget&, int& key, unsigned) { keyDownInBox(key); };
    me1_.onKeyPress = [this](ui::Widget&, std::uint8_t& ch) { keyPressInBox(ch); };
    // A letter from a desktop keyboard set to Persian, or pasted, is typed with the key that types it.
    me1_.onCharacter = [this](ui::Widget&, char32_t c) {
        if (const auto key = content::glyphMap().keyFor(c)) {
            std::uint8_t ch = *key;
            keyPressInBox(ch);
        }
    };
    copyText = [this] { return content::logicalText(std::vector<std::string>{input_.text()}); };

    shell::component<ui::Label>(*this, "Label3").onClick = [this](ui::Widget&) { rad1_.setChecked(true); };
    shell::component<ui::Label>(*this, "Label4").onClick = [this](ui::Widget&) { rad2_.setChecked(true); };
    shell::component<ui::Label>(*this, "Label2").onClick = [this](ui::Widget&) { runFind(); };
    shell::component<ui::Label>(*this, "Label1").onClick = [this](ui::Widget&) { close(); };
    addPressedLook("Label2", "Image2");
    addPressedLook("Label1", "Image3");

    onShow = [this](ui::Widget&) { me1_.setFocus(); };
    onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::escape) close();
    };
    onClose = [](ui::Window&, ui::CloseAction& action) { action = ui::CloseAction::free; };
    describeScreen = [this](nlohmann::json& screen) {
        screen["text"] = ui::hexBytes(input_.text());
        screen["caret"] = input_.caret();
        screen["selLength"] = input_.selectionLength();
        screen["pendingDelete"] = input_.pendingDelete();
        screen["option"] = rad1_.checked() ? "rad1" : rad2_.checked() ? "rad2" : "";
        screen["listTop"] = un4().listTop;
    };
    FormCreate();
}

void Tsear::FormCreate() {
    caption.clear();
    setWindowState(ui::WindowState::normal);
    placeBelowCentre(*this);
    rad1_.setChecked(true);
    shell::component<ui::Picture>(*this, "Image2").sendToBack();
    shell::component<ui::Picture>(*this, "Image3").sendToBack();
    ui::app().handle([this] { tables_.load(); });
}

void Tsear::addPressedLook(std::string_view button, std::string_view look) {
    auto& picture = shell::component<ui::Picture>(*this, look);
    auto& label = shell::component<ui::Label>(*this, button);
    label.onMouseDown = [&picture](ui::Widget&, ui::MouseButton, unsigned, int, int) { picture.bringToFront(); };
    label.onMouseUp = [&picture](ui::Widget&, ui::MouseButton, unsigned, int, int) { picture.sendToBack(); };
}

void Tsear::runFind() {
    const std::string& s = input_.text();
    const std::vector<std::string>* lines = un4().searchLines;
    if (s.empty() || !lines) return;
    const std::size_t start = rad1_.checked() ? 0 : std::size_t(std::max(un4().listTop + 1, 0));
    for (std::size_t i = start; i < lines->size(); ++i) {
        if ((*lines)[i].find(s) == std::string::npos) continue;
        un4().listTop = int(i);
        if (un4().searchRefresh) un4().searchRefresh();
        return;
    }
}

void Tsear::takeSelectionFromBox() { input_.setSelection(me1_.selStart(), me1_.selLength()); }

void Tsear::showInputText() {
    me1_.setText(input_.text());
    me1_.setSelStart(input_.caret());
}

void Tsear::keyDownInBox(int& key) {
    takeSelectionFromBox();
    // A key passed on changed nothing yet, and the box keeps its selection for the key press that
    // follows (Backspace's cuts it).
    if (input_.keyDown(key)) return;
    showInputText();
    key = 0;
}

void Tsear::keyPressInBox(std::uint8_t& ch) {
    takeSelectionFromBox();
    input_.keyPress(ch);
    showInputText();
    ch = 0;
}

void openSearchWindow() { ui::app().create<Tsear>().showModal(); }

}  // namespace vemra::search
