// The toolkit's loop: timers, releasing windows, modal loops, the error box, input routing.
#include <functional>

#include <gtest/gtest.h>

#include "control_test_fixture.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/message_box.h"
#include "platform/ui/picture.h"

namespace vemra::ui {
namespace {

using ApplicationTest = ControlTest;

TEST_F(ApplicationTest, TimersFireOnTimeAndFollowIntervalAndEnabledChanges) {
    std::vector<std::int64_t> fired;
    Timer& t = window.addTimer("t", 100);
    t.onTimer = [&](Timer&) { fired.push_back(app.nowMs()); };
    wait(250);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{100, 200}));
    t.setInterval(40);  // a new period starts at 250
    wait(100);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{100, 200, 290, 330}));
    t.setEnabled(false);
    wait(200);
    EXPECT_EQ(fired.size(), 4u);
    t.setEnabled(true);  // re-enabling also starts a full period
    wait(39);
    EXPECT_EQ(fired.size(), 4u);
    wait(1);
    EXPECT_EQ(fired.size(), 5u);
}

TEST_F(ApplicationTest, ALateTimerFiresOnceAndHandlersMayCreateAndFreeTimers) {
    int slow = 0, made = 0;
    std::unique_ptr<Timer> child;
    Timer& t = window.addTimer("t", 10);
    t.onTimer = [&](Timer& self) {
        ++slow;
        self.setEnabled(false);
        child = std::make_unique<Timer>("child", 5, true);
        child->onTimer = [&](Timer&) {
            ++made;
            child.reset();  // a handler frees its own timer
        };
    };
    backend.pause(1'000'000'000);  // a second passes while a handler blocks
    app.processMessages();
    EXPECT_EQ(slow, 1);
    wait(20);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(child, nullptr);
}

TEST_F(ApplicationTest, AReleasedWindowDiesAfterItsHandlerAndTakesItsTimersAlong) {
    auto& second = app.create<Window>("second", "TSecond");
    second.setClientSize(100, 100);
    int ticks = 0;
    second.addTimer("t", 10).onTimer = [&](Timer&) { ++ticks; };
    second.show();
    EXPECT_EQ(app.activeWindow(), &second);
    Ref<Window> ref(&second);
    auto& label = second.add<Label>("L");
    Ref<Widget> labelRef(&label);
    bool ranAfterRelease = false;
    label.onClick = [&](Widget&) {
        second.release();
        ranAfterRelease = ref.get() != nullptr;  // still alive until the handler returns
    };
    label.setBounds({0, 0, 50, 50});
    click(label, {5, 5});
    EXPECT_TRUE(ranAfterRelease);
    EXPECT_FALSE(ref);
    EXPECT_FALSE(labelRef);
    EXPECT_EQ(app.activeWindow(), &window);
    wait(50);
    EXPECT_EQ(ticks, 0);
}

TEST_F(ApplicationTest, AnExceptionInAHandlerShowsTheErrorBoxAndSkipsTheRest) {
    bool after = false;
    std::vector<std::string> texts;
    window.addTimer("t", 10).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        throw std::runtime_error("data2\\qem0024.dat: cannot open");
        after = true;  // never reached
    };
    // The error box runs a modal loop; a second timer inspects and closes it from inside that loop.
    window.addTimer("inspect", 20).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        for (Window* w : app.windows())
            if (auto* box = dynamic_cast<MessageBox*>(w)) {
                texts.push_back(box->caption + ": " + box->text());
                box->modalResult = 1;
            }
    };
    wait(30);
    EXPECT_FALSE(after);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], std::string(Application::programName) + ": data2\\qem0024.dat: cannot open");
    EXPECT_EQ(app.activeWindow(), &window);  // the program goes on
}

// A timer that fails waits until its error box is closed, and no failure, however repeated, opens
// a box inside another: a second handler failing while the box is up is not shown.
TEST_F(ApplicationTest, AFailingTimerWaitsForItsErrorBoxAndBoxesNeverNest) {
    int calls = 0;
    window.addTimer("failing", 10).onTimer = [&](Timer& self) {
        if (++calls == 2) self.setEnabled(false);
        throw std::runtime_error("damaged");
    };
    window.addTimer("another", 30).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        throw std::runtime_error("also damaged");
    };
    std::vector<std::string> seen;  // at each inspection: the open boxes' texts and the calls so far
    window.addTimer("inspect", 100).onTimer = [&](Timer& self) {
        std::string boxes;
        for (Window* w : app.windows())
            if (auto* box = dynamic_cast<MessageBox*>(w)) {
                boxes += box->text() + ";";
                box->modalResult = 1;
            }
        seen.push_back(boxes + " after " + std::to_string(calls));
        if (seen.size() == 2) self.setEnabled(false);
    };
    wait(250);
    EXPECT_EQ(seen, (std::vector<std::string>{"damaged; after 1", "damaged; after 2"}));
    EXPECT_EQ(app.activeWindow(), &window);
}

TEST_F(ApplicationTest, OnlyTheModalWindowGetsInputAndShowModalReturnsWhenItCloses) {
    auto& under = window.add<Picture>("under");
    under.setBounds({0, 0, 320, 240});
    int underClicks = 0;
    under.onClick = [&](Widget&) { ++underClicks; };
    auto& dialog = app.create<Window>("dialog", "TDialog");
    dialog.setClientSize(50, 50);
    dialog.setPosition(200, 200);
    int result = -1;
    window.addTimer("open", 10).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        result = dialog.showModal();
    };
    window.addTimer("poke", 20).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        EXPECT_TRUE(dialog.modal());
        app.postInput({.type = InputEvent::Type::mouseDown, .x = 10, .y = 10});
        app.postInput({.type = InputEvent::Type::mouseUp, .x = 10, .y = 10});
        app.postInput({.type = InputEvent::Type::closeRequest});  // reaches the modal window
    };
    wait(40);
    EXPECT_EQ(underClicks, 0);
    EXPECT_EQ(result, 2);
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(app.activeWindow(), &window);
    click(under, {10, 10});
    EXPECT_EQ(underClicks, 1);
}

TEST_F(ApplicationTest, ARefusedCloseKeepsTheWindowAndItsHandlerRuns) {
    int requests = 0;
    window.onClose = [&](Window&, CloseAction& action) {
        ++requests;
        action = CloseAction::none;
    };
    app.postInput({.type = InputEvent::Type::closeRequest});
    app.postInput({.type = InputEvent::Type::keyDown, .key = vk::f4, .shift = altKey});
    app.processMessages();
    EXPECT_EQ(requests, 2);
    EXPECT_TRUE(window.visible());
}

TEST_F(ApplicationTest, MouseGoesToTheTopmostEnabledControlAndUpToTheOneThatGotDown) {
    auto& picture = window.add<Picture>("pic");
    picture.setBounds({0, 0, 100, 100});
    auto& label = window.add<Label>("lab");  // transparent, above the picture
    label.setTransparent(true);
    label.setBounds({10, 10, 30, 30});
    auto& disabled = window.add<Label>("off");
    disabled.setBounds({50, 50, 30, 30});
    disabled.setEnabled(false);
    std::vector<std::string> log;
    for (Widget* w : std::initializer_list<Widget*>{&picture, &label, &disabled}) {
        w->onClick = [&log](Widget& s) { log.push_back(s.name() + " click"); };
        w->onMouseUp = [&log](Widget& s, MouseButton, unsigned, int x, int y) {
            log.push_back(s.name() + " up " + std::to_string(x) + "," + std::to_string(y));
        };
    }
    click(label, {5, 5});
    click(picture, {60, 60});  // the disabled label lets the click through
    down(label, {5, 5});
    up(picture, {90, 90});  // released elsewhere: no click, but the label hears the release
    EXPECT_EQ(log, (std::vector<std::string>{"lab click", "lab up 5,5", "pic click", "pic up 60,60", "lab up 80,80"}));
}

TEST_F(ApplicationTest, KeysGoToTheFocusedControlThenToTheWindowUnlessConsumed) {
    std::vector<std::string> log;
    auto& focusable = window.add<Button>("b", "B");
    focusable.onKeyDown = [&](Widget&, int& key, unsigned) {
        log.push_back("control " + std::to_string(key));
        if (key == 'X') key = 0;
    };
    window.onKeyDown = [&](Widget&, int& key, unsigned) { log.push_back("window " + std::to_string(key)); };
    key('A');
    focusable.setFocus();
    key('X');
    key(vk::escape);
    EXPECT_EQ(log, (std::vector<std::string>{"window 65", "control 88", "control 27", "window 27"}));
}

TEST_F(ApplicationTest, TheCharacterOfAKeyThatClosedItsModalWindowDoesNotReachTheWindowBeneath) {
    std::string typed;
    window.onKeyPress = [&](Widget&, std::uint8_t& ch) { typed += char(ch); };
    auto& dialog = app.create<Window>("dialog", "TDialog");
    dialog.setClientSize(50, 50);
    dialog.onKeyDown = [&](Widget&, int& k, unsigned) {
        if (k == vk::escape) dialog.close();
    };
    window.addTimer("open", 10).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        dialog.showModal();
    };
    window.addTimer("press", 20).onTimer = [&](Timer& self) {
        self.setEnabled(false);
        app.postInput({.type = InputEvent::Type::keyDown, .key = vk::escape});
        app.postInput({.type = InputEvent::Type::keyPress, .key = 27});
        app.postInput({.type = InputEvent::Type::keyUp, .key = vk::escape});
    };
    wait(40);
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(typed, "");
    type("a");  // a character without a key down goes where keys go
    key(vk::escape);
    app.postInput({.type = InputEvent::Type::keyDown, .key = 'B'});
    app.postInput({.type = InputEvent::Type::keyPress, .key = 'b'});
    app.processMessages();
    EXPECT_EQ(typed, "ab");
}

TEST_F(ApplicationTest, ZOrderAndTheTwoKindsOfCanvas) {
    auto& back = window.add<Picture>("back");
    back.setBounds({0, 0, 100, 100});
    back.canvas().fillRect({0, 0, 100, 100}, gfx::colors::red);
    EXPECT_EQ(back.bitmap()->size(), (gfx::Size{100, 100}));  // created at the control's size
    auto& front = window.add<Picture>("front");
    front.setBounds({0, 0, 50, 50});
    front.canvas().fillRect({0, 0, 50, 50}, gfx::colors::white);
    auto pixelAt = [&](int x, int y) {
        window.paintDirty();
        return gfx::Color::fromPixel(window.surface().pixel(x, y));
    };
    EXPECT_EQ(pixelAt(10, 10), gfx::colors::white);
    front.sendToBack();
    EXPECT_EQ(pixelAt(10, 10), gfx::colors::red);
    front.bringToFront();
    EXPECT_EQ(pixelAt(10, 10), gfx::colors::white);

    // A label's canvas draws on the window surface and lasts until that area repaints.
    auto& label = window.add<Label>("cover");
    label.setTransparent(true);
    label.setBounds({60, 60, 20, 20});
    window.paintDirty();
    label.canvas().fillRect({0, 0, 20, 20}, gfx::colors::black);
    EXPECT_EQ(pixelAt(70, 70), gfx::colors::black);
    EXPECT_EQ(pixelAt(85, 85), gfx::colors::red);  // clipped to the label
    label.invalidate();
    EXPECT_EQ(pixelAt(70, 70), gfx::colors::red);
}

// The invalid area is exactly what was invalidated: repainting two separate areas leaves what a
// label drew between them, and the repaint happens after the handler that invalidated, in the
// headless backend as in the window, not only when a screenshot is taken.
TEST_F(ApplicationTest, SeparateInvalidAreasRepaintAloneAndAfterTheirHandler) {
    auto& back = window.add<Picture>("back");
    back.setBounds({0, 0, 300, 100});
    back.canvas().fillRect({0, 0, 300, 100}, gfx::colors::red);
    auto& label = window.add<Label>("text");
    label.setTransparent(true);
    label.setBounds({0, 0, 300, 100});
    app.processMessages();
    label.canvas().fillRect({0, 0, 300, 100}, gfx::colors::black);
    auto& tick = window.addTimer("tick", 10);
    tick.onTimer = [&](Timer& t) {
        t.setEnabled(false);
        back.invalidateRect({0, 0, 10, 10});
        back.invalidateRect({200, 50, 10, 10});
    };
    wait(10);
    const auto at = [&](int x, int y) { return gfx::Color::fromPixel(window.surface().pixel(x, y)); };
    EXPECT_EQ(at(5, 5), gfx::colors::red);
    EXPECT_EQ(at(205, 55), gfx::colors::red);
    EXPECT_EQ(at(100, 30), gfx::colors::black);
    EXPECT_EQ(at(5, 55), gfx::colors::black);
}

// A real clock that records the deadlines the loop waits for; each wait lets the clock reach it.
class RecordingWaits : public headless::HeadlessBackend {
public:
    bool virtualTime() const override { return false; }
    std::optional<InputEvent> waitEvent(std::int64_t deadlineUs) override {
        if (deadlineUs != nowUs()) {
            waits.push_back(deadlineUs);
            if (onWait) onWait();
        }
        return HeadlessBackend::waitEvent(deadlineUs);
    }
    std::vector<std::int64_t> waits;
    std::function<void()> onWait;
};

// On a real clock an idle timer neither wakes the loop nor fires; no longer idle, a tick it is late
// for fires at once.
TEST(ApplicationIdleTimers, AnIdleTimerDoesNotWakeTheLoopAndItsDueTicksArePassedOver) {
    RecordingWaits clock;
    Application app(clock);
    auto& window = app.create<Window>("w", "TW");
    window.show();
    bool idle = true;
    std::vector<std::int64_t> fired;
    Timer& track = window.addTimer("track", 10);
    track.idleWhile = [&] { return idle; };
    track.onTimer = [&](Timer&) { fired.push_back(app.nowMs()); };
    window.addTimer("animation", 100).onTimer = [](Timer&) {};
    clock.onWait = [&] {
        if (clock.waits.size() == 2) idle = false;  // the sound ended while the loop slept
        if (clock.waits.size() == 4) app.terminate();
    };
    app.run();
    EXPECT_EQ(clock.waits, (std::vector<std::int64_t>{100'000, 200'000, 210'000, 220'000}));
    EXPECT_EQ(fired, (std::vector<std::int64_t>{200, 210}));
}

// A screen on the virtual clock that records what it is asked to show.
class RecordingScreen : public headless::HeadlessBackend {
public:
    bool showsFrames() const override { return true; }
    void present(const gfx::Bitmap& display, const gfx::Region& changed) override {
        shown.push_back(changed.bounds());
        frame = display;
    }
    std::vector<gfx::Rect> shown;
    gfx::Bitmap frame;
};

// Only what changed is composed and shown, and nothing at all when nothing changed.
TEST(ApplicationDisplay, OnlyWhatChangedIsShownAndNothingWhenNothingChanged) {
    RecordingScreen screen;
    Application app(screen);
    auto& window = app.create<Window>("w", "TW");
    window.setPosition(100, 50);
    window.setClientSize(200, 100);
    auto& label = window.add<Label>("l");
    label.setBounds({10, 10, 30, 20});
    label.setColor(gfx::colors::red);
    window.show();
    app.processMessages();
    ASSERT_EQ(screen.shown.size(), 1u);
    EXPECT_EQ(screen.shown.back(), (gfx::Rect{0, 0, 640, 480}));  // the first frame is whole

    window.addTimer("idle", 10).onTimer = [](Timer&) {};
    for (int i = 0; i < 5; ++i) {
        screen.pause(10'000'000);
        app.processMessages();
    }
    EXPECT_EQ(screen.shown.size(), 1u) << "shown again with nothing changed";

    label.setColor(gfx::colors::white);
    app.processMessages();
    EXPECT_EQ(screen.shown.back(), (gfx::Rect{110, 60, 30, 20}));
    window.setPosition(120, 50);  // where it was and where it is now
    app.processMessages();
    EXPECT_EQ(screen.shown.back(), (gfx::Rect{100, 50, 220, 100}));
    window.hide();
    app.processMessages();
    EXPECT_EQ(screen.shown.back(), (gfx::Rect{120, 50, 200, 100}));
    window.show();
    app.processMessages();
    const gfx::Bitmap& shown = screen.frame;
    EXPECT_EQ(gfx::Color::fromPixel(shown.pixel(135, 65)), gfx::colors::white);
    EXPECT_EQ(gfx::Color::fromPixel(shown.pixel(110, 60)), gfx::colors::black);  // uncovered when it moved
}

}  // namespace
}  // namespace vemra::ui
