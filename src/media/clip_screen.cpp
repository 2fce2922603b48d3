#include "media/clip_screen.h"

#include "media/media_failure.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "content/content_source.h"
#include "content/text_readers.h"
#include "platform/ui/application.h"
#include "platform/ui/panel.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::media {

using shell::un4;

namespace {

constexpr int parkedTop = 2000;

}  // namespace

std::string clipFile(int clip) {
    char name[32];
    std::snprintf(name, sizeof name, "data5\\%02d.mpg", clip);
    return name;
}

Tfrm31::Tfrm31(shell::Screen& placeScreen)
    : Screen(*designs::findDesign("frm31"), {.animationSet = 26, .trackTimer = "Tr1", .track = "data1\\16.dat"},
             &placeScreen),
      rows_(*this, [this](ui::Label& row) { playClip(row); }),
      med1_("clips", content::mediaSource) {
    onDeactivate = nullptr;
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    // The clip keeps its shape inside the region; MPEG-1 pictures of 4:3 shape fill it whole.
    med1_.setPictureFit(PictureFit::keepAspect);
    med1_.setDisplay(&get<ui::Panel>("Panv"));
    for (std::string_view name : {"m1", "luptrs", "ldntrs"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) {
            unlightExit();
            rows_.hideFullTitle();
        };
    setExitCorner();
    get<ui::Picture>("Image4").onClick = [this](ui::Widget&) { pauseClip(); };
    get<ui::Picture>("Image5").onClick = [this](ui::Widget&) { resumeClip(); };
    addPressedLook(get<ui::Picture>("Image4"));
    addPressedLook(get<ui::Picture>("Image5"));
    afterShowing([this] {
        get<ui::Picture>("Image2").sendToBack();
        get<ui::Picture>("Image3").sendToBack();
        rows_.refresh();
    });
    describeScreen = [this](nlohmann::json& screen) {
        rows_.describe(screen);
        screen["videoShown"] = get<ui::Panel>("Panv").showing() && get<ui::Panel>("Panv").top() != parkedTop;
    };
    ui::app().handle([this] { rows_.setEntries(content::loadLines(clipTitlesFile)); });
}

void Tfrm31::resetListState() { rows_.reset(); }

void Tfrm31::playClip(ui::Label& row) {
    rows_.mark(row);
    un4().articleTitle = row.caption();
    const std::string file = clipFile(row.tag);
    if (!content::fileExists(file)) return;
    try {
        med1_.setFileName(file);
        med1_.open();
        med1_.play();
    } catch (const std::exception&) {
        ui::app().messageBox(this, "error", std::string(media::clipFailureText));
        if (med1_.mode() != 0) med1_.close();
        return;
    }
    get<ui::Panel>("Panv").setVisible(true);  // the region appears once a clip plays
}

void Tfrm31::pauseClip() {
    if (med1_.mode() == Mode::playing) med1_.pause();
}

void Tfrm31::resumeClip() {
    if (med1_.mode() == Mode::playing || med1_.mode() == Mode::paused) med1_.play();
}

void Tfrm31::addPressedLook(ui::Picture& button) {
    button.onMouseDown = [this, &button](ui::Widget&, ui::MouseButton, unsigned, int, int) {
        shell::copyLitLook(button, get<ui::Picture>("Image1"));
        button.repaint();
    };
    button.onMouseUp = [&button](ui::Widget&, ui::MouseButton, unsigned, int, int) { button.clear(); };
}

void Tfrm31::exitScreen() {
    if (med1_.mode() != 0) med1_.close();
    auto& region = get<ui::Panel>("Panv");
    if (region.top() != parkedTop) {
        region.setTop(parkedTop);
        background().repaint();
    }
    Screen::exitScreen();
}

}  // namespace vemra::media
