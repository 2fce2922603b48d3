#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>

#include "platform/media/media_device.h"
#include "platform/ui/label.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"

namespace vemra::shell {

// The black backdrop `Frm17` behind every screen for the whole run: it owns the shared media
// device `Med1`, the corner animation timer `Timer7`, the transition effects and the effect
// rotation. Its creation prepares the machine (Windows directory, scratch file, list cursor,
// codec entry).
class Backdrop : public ui::Window {
public:
    Backdrop();
    ~Backdrop() override;

    media::MediaDevice& Med1() { return *med1_; }
    ui::Timer& Timer7() { return *timer7_; }
    int nextEffect() const { return nextEffect_; }

    void RunNextEffect();
    void ExitEffect();
    // Loads the frames of the current animation set. A module that cannot be read gives empty
    // frames, as a missing one does; its fault is reported once a run, never at every activation.
    void LoadAnimation();
    void AnimationTick();

private:
    void runEffect(int effect);
    void FormCreate();

    std::unique_ptr<media::MediaDevice> med1_;
    ui::Timer* timer7_ = nullptr;
    int nextEffect_ = 0;
    std::array<ui::Label*, 8> effectRotation_{};
    std::set<std::string> damagedModulesTold_;
};

// The live backdrop (the class variable `Frm17`); a programming error when there is none.
Backdrop& backdrop();
ui::Ref<Backdrop>& Frm17();

}  // namespace vemra::shell
