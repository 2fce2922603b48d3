#include "shell/backdrop.h"

#include <optional>
#include <random>

#include "content/content_error.h"
#include "content/content_source.h"
#include "content/cursors.h"
#include "content/pictures.h"
#include "designs/design.h"
#include "platform/ui/application.h"
#include "shell/design_builder.h"
#include "shell/transition_effects.h"
#include "shell/un4.h"
#include "shell/windows_dir.h"
#include "platform/ui/timing.h"
#include "platform/ui/trace.h"

namespace vemra::shell {

namespace {

// Wall time of one iteration of the original's empty counting loops (2,000,000 → 15 ms).
constexpr double nsPerLoopIteration = 7.5;
constexpr int listCursor = 2;

// Draws an effect on the transition cover from the transition source, one copy at a time; the
// trace tells when it ended and how long its pauses were meant to take together.
class CoverPainter : public EffectPainter {
public:
    CoverPainter(ui::Label& cover, ui::Picture& source) : cover_(cover.canvas()), source_(source.canvas()) {}
    ~CoverPainter() override {
        ui::trace("effect end", "pauses " + std::to_string(pausedNs_ / 1'000'000) + " ms");
        ui::timingLine("effect end");
    }
    void copy(gfx::Rect destination, gfx::Rect source) override { cover_.copyRect(destination, source_, source); }
    void pause(long iterations) override {
        const auto ns = std::int64_t(double(iterations) * nsPerLoopIteration);
        pausedNs_ += ns;
        ui::app().pause(ns);
    }

private:
    gfx::Canvas cover_;
    gfx::Canvas source_;
    std::int64_t pausedNs_ = 0;
};

}  // namespace

ui::Ref<Backdrop>& Frm17() {
    static ui::Ref<Backdrop> instance;
    return instance;
}

Backdrop& backdrop() {
    if (Backdrop* b = Frm17().get()) return *b;
    throw std::logic_error("the backdrop does not exist");
}

Backdrop::Backdrop() : ui::Window("Frm17", "TFrm17") {
    buildFromDesign(*this, *designs::findDesign("Frm17"), {});
    med1_ = std::make_unique<media::MediaDevice>("shared", content::mediaSource);
    timer7_ = timer("Timer7");
    timer7_->onTimer = [this](ui::Timer&) { AnimationTick(); };
    for (int k = 1; k <= rotatingEffectCount; ++k) {
        auto& label = component<ui::Label>(*this, "Label" + std::to_string(k));
        label.onClick = [this, k](ui::Widget&) { runEffect(k); };
    }
    component<ui::Label>(*this, "Label15").onClick = [this](ui::Widget&) { ExitEffect(); };
    component<ui::Label>(*this, "Label19").onClick = [this](ui::Widget&) { LoadAnimation(); };
    component<ui::Label>(*this, "Lab").onClick = [this](ui::Widget&) { RunNextEffect(); };
    Frm17() = this;
    ui::app().handle([this] { FormCreate(); });
    show();
}

Backdrop::~Backdrop() {
    for (auto& frame : un4().animationFrames) frame.reset();
}

void Backdrop::FormCreate() {
    for (auto& frame : un4().animationFrames) frame.reset();
    for (int k = 1; k <= rotatingEffectCount; ++k)
        effectRotation_[std::size_t(k - 1)] = &component<ui::Label>(*this, "Label" + std::to_string(k));
    un4().windowsDir = windowsDirectory();
    removeScratchFile(un4().windowsDir, "~~~.mpg");
    if (auto cursor = content::loadCursor("data1\\data2.cur"))
        ui::app().setCursor(listCursor, std::make_shared<ui::CursorShape>(std::move(*cursor)));
    caption.clear();
    codecCheck(un4().windowsDir, content::contentSource().location());
}

void Backdrop::RunNextEffect() {
    if (++nextEffect_ > rotatingEffectCount) nextEffect_ = 1;
    effectRotation_[std::size_t(nextEffect_ - 1)]->click();
}

void Backdrop::runEffect(int effect) {
    ui::Label* cover = un4().transitionCover.get();
    ui::Picture* source = un4().transitionSource.get();
    if (!cover || !source) return;
    ui::trace("effect", std::to_string(effect));
    ui::timingLine("effect", std::to_string(effect));
    CoverPainter painter(*cover, *source);
    runRotatingEffect(effect, cover->bounds().size(), painter);
}

void Backdrop::ExitEffect() {
    ui::Label* cover = un4().transitionCover.get();
    ui::Picture* source = un4().transitionSource.get();
    if (!cover || !source) return;
    ui::trace("effect", "exit");
    CoverPainter painter(*cover, *source);
    // Seeded from the clock once: reseeding before every draw, as a retry loop on a clock that
    // does not move (a virtual one) would, could repeat the same rejected number for ever.
    std::mt19937 generator(std::uint32_t(ui::app().nowUs()));
    runExitEffect(cover->bounds().size(), painter,
                  [&](int n) { return std::uniform_int_distribution<int>(0, n)(generator); });
}

void Backdrop::LoadAnimation() {
    Un4& s = un4();
    const char* modulePath = s.secondaryBranchOpen == 1 ? "data3\\qem008.dat" : "data3\\qem001.dat";
    s.animationModule = modulePath;
    const int count = std::min<int>(s.animationFrameCount, int(s.animationFrames.size()));
    std::optional<std::string> damage;
    try {
        const auto module = content::openModule(modulePath);
        for (int i = 1; i <= count; ++i) {
            const std::string name = ("a" + std::to_string(s.animationSet) + "0" + std::to_string(i)).substr(0, 10);
            s.animationFrame = i;
            auto& frame = s.animationFrames[std::size_t(i - 1)];
            frame = module ? module->bitmap(name) : std::nullopt;
        }
    } catch (const std::exception& e) {
        for (auto& frame : s.animationFrames) frame.reset();
        s.animationFrame = count;
        damage = e.what();
    }
    if (ui::Label* target = s.animationTarget.get()) {
        const auto& first = s.animationFrames[0];
        target->setBounds({0, 0, first ? first->width() : 0, first ? first->height() : 0});
    }
    if (damage && damagedModulesTold_.insert(modulePath).second) throw content::ContentError(*damage);
}

void Backdrop::AnimationTick() {
    Un4& s = un4();
    Timer7().setInterval(s.animationSet == 1 ? 200 : 100);
    if (++s.animationFrame > s.animationFrameCount) s.animationFrame = 1;
    ui::Label* target = s.animationTarget.get();
    auto& frame = s.animationFrames[std::size_t(std::clamp(s.animationFrame, 1, 11) - 1)];
    if (!target || !frame) return;
    gfx::CanvasState state;
    gfx::Canvas source(*frame, {0, 0}, frame->bounds(), state);
    const gfx::Rect r{0, 0, target->width(), target->height()};
    target->canvas().copyRect(r, source, r);
}

}  // namespace vemra::shell
