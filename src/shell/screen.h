#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "designs/design.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"
#include "platform/ui/window.h"
#include "shell/design_builder.h"

namespace vemra::shell {

// Copies into `target` the part of the hidden picture `lit` that lies under it (the lit look of a
// hotspot, a switch or an exit corner).
void copyLitLook(ui::Picture& target, ui::Picture& lit);
// The same for a transparent label, drawn straight onto the window until that area repaints.
void copyLitLook(ui::Label& target, ui::Picture& lit);

// What a screen states about itself beyond its design: its cover, corner animation and track.
struct ScreenTraits {
    std::string_view cover = "Labm";          // the label transition effects draw on
    std::string_view background = "m1";       // the picture openers use as transition source
    std::string_view animationTarget = "Label1";
    int animationFrameCount = 10;
    int animationSet = 0;                     // 0: no corner animation
    std::string_view trackTimer = "tr1";
    std::string track;                        // empty: no track timer
    bool ownTrackFlag = false;                // the main menu and frm33 keep their own start flag
};

class Screen;

// Creates the screen with a window name above `opener`; null for a screen the program lacks.
using ScreenMaker = std::function<Screen*(std::string_view name, Screen& opener)>;

// The behaviour every hotspot screen shares: hover lighting from hidden lit pictures (one lit at
// a time), the exit corner, Escape and refused close requests as the exit, opening a screen
// above and going back to the one beneath, and activation (corner animation, music).
class Screen : public ui::Window {
public:
    Screen(const designs::WindowDesign& design, ScreenTraits traits, Screen* parent);

    ui::Picture& background() { return component<ui::Picture>(*this, traits_.background); }
    ui::Label& cover() { return component<ui::Label>(*this, traits_.cover); }
    Screen* parentScreen() const { return parent_.get(); }

    // Opens `target` above this screen: cover (brought to the front first when asked), source,
    // effect, show, cover to the back.
    void openScreen(Screen& target, bool coverToFront = false);
    // Leaves this screen for the one beneath: what Escape, a close request and the exit do. The
    // standard way stops the corner animation, closes the shared device and leaves with an effect.
    virtual void exitScreen();

protected:
    template <class T>
    T& get(std::string_view name) { return component<T>(*this, name); }

    // Lights `hotspot` from the hidden picture `lit` when the mouse moves over it.
    void addHotspot(std::string_view hotspot, std::string_view lit = "Image1");
    // The exit corner: moving over `exitHotspot` (a label or a picture) lights `corner`, a click on
    // it exits; moving over `corner` unlights it.
    void setExitCorner(std::string_view exitHotspot = "Lout", std::string_view corner = "m9");
    // Runs `step` each time the screen is shown, after the steps every screen takes (it becomes the
    // current screen and is centred).
    void afterShowing(std::function<void()> step);
    // The stored lines of the text the screen shows (none while it shows none), which Ctrl+C puts
    // on the clipboard as Unicode text.
    void showsText(std::function<std::vector<std::string>()> lines);
    void endHoverOn(std::string_view widget);
    void lightHotspot(ui::Picture& hotspot, ui::Picture& lit);
    void endHover();
    // Puts the lit exit corner back behind the background when it is lit.
    void unlightExit();

    // The last steps of every way back: cover and source set, the effect towards the parent's
    // picture when effects are on, the screen released, and (unless kept) the exit light cleared.
    enum class ExitLight { clear, keep };
    void leaveWithEffect(ExitLight exitLight = ExitLight::clear);

    // The standard activation steps; screens call it from their own activation when they add to it.
    void activateStandard();
    virtual void resetListState() {}

    // The one-shot flag that makes the next track tick open the track.
    std::uint8_t& trackFlag();
    void trackTick(ui::Timer& timer);
    bool trackIdle();

    ui::Ref<ui::Picture> litHotspot;
    ScreenTraits traits_;

private:
    std::uint8_t ownTrackFlag_ = 0;
    ui::Ref<ui::Picture> exitCorner_;

    ui::Ref<Screen> parent_;
};

}  // namespace vemra::shell
