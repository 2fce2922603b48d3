#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <SDL.h>

#include "platform/sdl/audio_mixer.h"
#include "platform/sdl/null_audio_output.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_keys.h"
#include "scenario_support.h"

// GCC and clang tell an AddressSanitizer build in different ways.
#if defined(__SANITIZE_ADDRESS__)
#define VEMRA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEMRA_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(VEMRA_ADDRESS_SANITIZER)
#include <sanitizer/lsan_interface.h>
#endif

namespace vemra::sdl {
namespace {

using namespace std::chrono_literals;

TEST(SdlScale, LargestWholeFactorThatFits) {
    EXPECT_EQ(largestWholeScale({640, 480}, {1280, 1024}), 2);
    EXPECT_EQ(largestWholeScale({640, 480}, {1920, 1050}), 2);  // the height decides
    EXPECT_EQ(largestWholeScale({640, 480}, {2560, 1440}), 3);
    EXPECT_EQ(largestWholeScale({640, 480}, {1279, 2000}), 1);  // the width decides
    EXPECT_EQ(largestWholeScale({640, 480}, {800, 400}), 1);    // never below 1
    EXPECT_EQ(largestWholeScale({0, 480}, {1280, 1024}), 1);
}

// Keys are given by USB HID usage id (an SDL scancode); keycode 0 means "no character".
int keyAt(int hidUsage, std::int32_t keycode = 0, bool numLock = true) { return virtualKey(hidUsage, keycode, numLock); }

TEST(SdlKeys, LettersDigitsAndFunctionKeys) {
    EXPECT_EQ(keyAt(4, 'a'), 'A');
    EXPECT_EQ(keyAt(29, 'z'), 'Z');
    EXPECT_EQ(keyAt(30, '1'), '1');
    EXPECT_EQ(keyAt(39, '0'), '0');
    EXPECT_EQ(keyAt(58), 112);  // F1
    EXPECT_EQ(keyAt(69), 123);  // F12
}

TEST(SdlKeys, LatinLayoutsDecideLettersOthersMapByPosition) {
    EXPECT_EQ(keyAt(20, 'a'), 'A');     // AZERTY: the key where US has Q types a
    EXPECT_EQ(keyAt(30, '&'), '1');     // AZERTY digit row: the digit by position
    EXPECT_EQ(keyAt(4, 0x0634), 'A');   // a Persian layout: position of A
    EXPECT_EQ(keyAt(51, ';'), 0xBA);    // punctuation never becomes a letter or digit
}

TEST(SdlKeys, NamedKeys) {
    EXPECT_EQ(keyAt(41), 27);  // Escape
    EXPECT_EQ(keyAt(40), 13);  // Enter
    EXPECT_EQ(keyAt(88), 13);  // keypad Enter
    EXPECT_EQ(keyAt(42), 8);   // Backspace
    EXPECT_EQ(keyAt(43), 9);   // Tab
    EXPECT_EQ(keyAt(44), 32);  // Space
    EXPECT_EQ(keyAt(80), 37);  // Left
    EXPECT_EQ(keyAt(82), 38);  // Up
    EXPECT_EQ(keyAt(79), 39);  // Right
    EXPECT_EQ(keyAt(81), 40);  // Down
    EXPECT_EQ(keyAt(76), 46);  // Delete
    EXPECT_EQ(keyAt(73), 45);  // Insert
    EXPECT_EQ(keyAt(74), 36);  // Home
    EXPECT_EQ(keyAt(77), 35);  // End
    EXPECT_EQ(keyAt(75), 33);  // Page Up
    EXPECT_EQ(keyAt(78), 34);  // Page Down
    EXPECT_EQ(keyAt(225), 16);
    EXPECT_EQ(keyAt(229), 16);  // both shifts
    EXPECT_EQ(keyAt(224), 17);
    EXPECT_EQ(keyAt(226), 18);
}

TEST(SdlKeys, UsPunctuation) {
    EXPECT_EQ(keyAt(51), 0xBA);  // ;
    EXPECT_EQ(keyAt(46), 0xBB);  // =
    EXPECT_EQ(keyAt(54), 0xBC);  // ,
    EXPECT_EQ(keyAt(45), 0xBD);  // -
    EXPECT_EQ(keyAt(55), 0xBE);  // .
    EXPECT_EQ(keyAt(56), 0xBF);  // /
    EXPECT_EQ(keyAt(53), 0xC0);  // `
    EXPECT_EQ(keyAt(47), 0xDB);  // [
    EXPECT_EQ(keyAt(49), 0xDC);  // backslash
    EXPECT_EQ(keyAt(48), 0xDD);  // ]
    EXPECT_EQ(keyAt(52), 0xDE);  // '
}

TEST(SdlKeys, KeypadFollowsNumLock) {
    EXPECT_EQ(keyAt(89), 0x61);  // 1
    EXPECT_EQ(keyAt(97), 0x69);  // 9
    EXPECT_EQ(keyAt(98), 0x60);  // 0
    EXPECT_EQ(keyAt(99), 0x6E);  // .
    EXPECT_EQ(keyAt(84), 0x6F);  // /
    EXPECT_EQ(keyAt(85), 0x6A);  // *
    EXPECT_EQ(keyAt(86), 0x6D);  // -
    EXPECT_EQ(keyAt(87), 0x6B);  // +
    EXPECT_EQ(keyAt(95, 0, false), 36);  // 7 is Home
    EXPECT_EQ(keyAt(90, 0, false), 40);  // 2 is Down
    EXPECT_EQ(keyAt(99, 0, false), 46);  // . is Delete
}

// Writes one value to every sample and counts the frames it was asked for; says it has finished
// once it has given `length` frames.
class ConstantSource : public ui::AudioSource {
public:
    explicit ConstantSource(std::int16_t value, std::int64_t length = INT64_MAX) : value_(value), length_(length) {}
    bool fill(std::int16_t* out, int frames) override {
        std::fill_n(out, frames * 2, value_);
        frames_ += frames;
        return frames_ < length_;
    }
    std::int64_t frames() const { return frames_; }

private:
    std::int16_t value_;
    std::int64_t length_;
    std::atomic<std::int64_t> frames_{0};
};

TEST(SdlAudioMixer, SumsSourcesWithSaturation) {
    AudioMixer mixer(2);
    std::int16_t out[8];
    std::fill_n(out, 8, std::int16_t{99});
    mixer.mix(out, 4);
    EXPECT_TRUE(std::all_of(out, out + 8, [](std::int16_t s) { return s == 0; })) << "silence without sources";

    ConstantSource a(30000), b(10000), c(-1000);
    mixer.attach(&a);
    mixer.attach(&b);
    mixer.attach(&a);  // attaching twice still mixes it once
    mixer.mix(out, 4);
    EXPECT_EQ(out[0], 32767);
    mixer.attach(&c);
    mixer.detach(&a);
    mixer.mix(out, 4);
    EXPECT_EQ(out[7], 9000);

    ConstantSource low1(-30000), low2(-10000);
    AudioMixer negative(2);
    negative.attach(&low1);
    negative.attach(&low2);
    negative.mix(out, 4);
    EXPECT_EQ(out[3], -32768);

    // A source that has finished is no longer pulled, the mix falls silent, and its end is told once.
    int ends = 0;
    AudioMixer ending(2, [&] { ++ends; });
    ConstantSource once(500, 4);
    ending.attach(&once);
    ending.mix(out, 4);
    EXPECT_EQ(out[0], 500);
    EXPECT_FALSE(ending.hasSources());
    ending.mix(out, 4);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(once.frames(), 4);
    EXPECT_EQ(ends, 1);
}

TEST(SdlNullAudio, PullsAtPlaybackPaceAndStopsOnDetach) {
    NullAudioOutput output(44100, 2, [] {});
    ConstantSource source(1);
    const auto start = std::chrono::steady_clock::now();
    output.attach(&source);
    for (int i = 0; i < 500 && source.frames() < 4410; ++i) std::this_thread::sleep_for(10ms);
    output.detach(&source);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const std::int64_t pulled = source.frames();
    EXPECT_GE(pulled, 4410);
    // Never ahead of the wall clock by more than one device-sized chunk.
    EXPECT_LE(pulled, std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * 44100 / 1'000'000 + 1024);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(source.frames(), pulled) << "filled after detach";

    ConstantSource ending(1, 2048);
    output.attach(&ending);
    std::this_thread::sleep_for(200ms);
    const std::int64_t whenFinished = ending.frames();
    EXPECT_GE(whenFinished, 2048);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(ending.frames(), whenFinished) << "filled after it had finished";
}

// Runs `f` with leak checking off when built with the address sanitizer: the system's GL driver and
// D-Bus library keep memory from their set-up and are unloaded before the leak report, where no
// suppression can name them.
template <class F>
auto withoutLeakChecks(F&& f) {
#if defined(VEMRA_ADDRESS_SANITIZER)
    __lsan::ScopedDisabler disabled;
#endif
    return f();
}

class SdlWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        display_ = std::make_unique<vemra::testing::VirtualDisplay>();
        if (!display_->running()) return;
        for (const char* name : {"DISPLAY", "SDL_VIDEODRIVER", "SDL_AUDIODRIVER"})
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
            else saved_.emplace_back(name, std::nullopt);
        setenv("DISPLAY", display_->name().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    static void TearDownTestSuite() {
        if (!display_->running()) return;
        for (const auto& [name, value] : saved_)
            if (value) setenv(name, value->c_str(), 1);
            else unsetenv(name);
        saved_.clear();
        display_.reset();
    }
    void SetUp() override {
        if (!display_->running()) GTEST_SKIP() << "Xvfb is not usable";
        backend_ = withoutLeakChecks([] { return createSdlBackend({}); });
    }

    // Lets the events of the window's appearance go by.
    void settle() {
        while (backend_->waitEvent(backend_->nowUs() + 50'000)) {
        }
    }

    static inline std::unique_ptr<vemra::testing::VirtualDisplay> display_;  // for as long as the suite runs
    static inline std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
    std::unique_ptr<SdlBackend> backend_;
};

TEST_F(SdlWindowTest, OpensAtTheLargestWholeScaleAndPresents) {
    EXPECT_EQ(backend_->windowScale(), 2);
    EXPECT_EQ(backend_->displaySize(), (gfx::Size{640, 480}));
    EXPECT_EQ(backend_->audio().sampleRate(), 44100);
    EXPECT_EQ(backend_->audio().channels(), 2);
    withoutLeakChecks([this] {
        gfx::Region whole;
        whole.add({0, 0, 640, 480});
        backend_->present(gfx::Bitmap(640, 480, gfx::colors::red), whole);
    });
    settle();
}

// Returns when waitEvent gives up without an event; events that do come are let by.
std::int64_t waitOutDeadline(ui::Backend& backend, std::int64_t deadline) {
    while (backend.waitEvent(deadline)) {
    }
    return backend.nowUs();
}

TEST_F(SdlWindowTest, WaitEventReturnsAtItsDeadline) {
    settle();
    std::int64_t deadline = backend_->nowUs() + 30'000;
    EXPECT_GE(waitOutDeadline(*backend_, deadline), deadline);

    // The frame switches of an animated cursor do not end the wait.
    auto cursor = std::make_shared<ui::CursorShape>();
    for (std::uint32_t colour : {0xFF000000u, 0xFFFFFFFFu})
        cursor->frames.push_back({.width = 2, .height = 2, .argb = std::vector<std::uint32_t>(4, colour), .hotspot = {1, 1}});
    cursor->frameMs = {10, 10};
    backend_->setCursor(cursor);
    deadline = backend_->nowUs() + 45'000;
    EXPECT_GE(waitOutDeadline(*backend_, deadline), deadline);
}

TEST_F(SdlWindowTest, ADropFromTheDesktopArrivesWithItsPath) {
    settle();
    const std::string path = "/media/user/\u0639\u0646\u0648\u0627\u0646 disc/title.iso";
    SDL_Event drop{};
    drop.type = SDL_DROPFILE;
    drop.drop.file = SDL_strdup(path.c_str());
    ASSERT_EQ(SDL_PushEvent(&drop), 1);
    std::optional<ui::InputEvent> e;
    while ((e = backend_->waitEvent(backend_->nowUs() + 1'000'000)) && e->type != ui::InputEvent::Type::drop) {
    }
    ASSERT_TRUE(e) << "no drop arrived";
    EXPECT_EQ(e->text, path);
}

TEST_F(SdlWindowTest, WakeEndsAnIndefiniteWait) {
    settle();
    backend_->wake();
    EXPECT_FALSE(backend_->waitEvent(ui::Backend::noDeadline)) << "a wake before the wait";
    std::thread waker([this] {
        std::this_thread::sleep_for(30ms);
        backend_->wake();
    });
    while (backend_->waitEvent(ui::Backend::noDeadline)) {
    }
    waker.join();
}

}  // namespace
}  // namespace vemra::sdl
