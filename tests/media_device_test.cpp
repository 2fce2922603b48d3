// The media device: modes and exact positions on the virtual clock, ends of media, failures, video in
// a panel, and the decoding thread alone feeding an output at wall-clock pace.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/media/media_device.h"
#include "platform/media/media_file.h"
#include "platform/media/playback.h"
#include "platform/sdl/null_audio_output.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"
#include "scenario_support.h"

namespace vemra::media {
namespace {

// Small media files made once with the ffmpeg tool.
class MediaFiles {
public:
    MediaFiles() {
        make("-f lavfi -i sine=frequency=440:duration=2 -c:a libmp3lame -b:a 64k -f mp3", "x.dat");
        make("-f lavfi -i sine=duration=2 -filter_complex 'color=c=white:s=320x240:r=25:d=1[a];"
             "color=c=blue:s=320x240:r=25:d=1[b];[a][b]concat=n=2:v=1:a=0[v]' -map '[v]' -map 0:a "
             "-c:v mpeg1video -c:a mp2 -f mpeg",
             "x.mpg");
        make("-f lavfi -i color=c=yellow:size=160x120:rate=15:duration=2 -f lavfi -i sine=duration=2:sample_rate=22050 "
             "-c:v msvideo1 -c:a pcm_s16le",
             "x.avi");
        make("-f lavfi -i color=c=white:size=160x120:rate=10:duration=1.5 -c:v cinepak", "silent.avi");
        std::ofstream(dir / "broken.dat") << "ID3 this is no sound at all, only a few words of text\n";
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    // The duration that ffprobe reads, in milliseconds.
    double probedMs(const std::string& name) const {
        const std::string command = "ffprobe -v error -show_entries format=duration -of csv=p=0 '" + path(name) + "'";
        FILE* out = popen(command.c_str(), "r");
        double seconds = -1;
        if (out) {
            if (std::fscanf(out, "%lf", &seconds) != 1) seconds = -1;
            pclose(out);
        }
        return seconds * 1000;
    }

private:
    void make(const std::string& options, const std::string& name) {
        const std::string command =
            "ffmpeg -hide_banner -loglevel error -y " + options + " '" + (dir / name).string() + "'";
        if (std::system(command.c_str()) != 0) ADD_FAILURE() << "cannot make " << name << " with: " << command;
    }

    testing::TempDir dir;
};

MediaFiles& files() {
    static MediaFiles made;
    return made;
}

// Sound taken by a thread at wall-clock pace, as without a sound device: nothing decodes on demand.
class WallClockSound : public headless::HeadlessBackend {
public:
    bool virtualTime() const override { return false; }
    ui::AudioOutput& audio() override { return output_; }

private:
    sdl::NullAudioOutput output_{44100, 2, [] {}};
};

template <class Backend>
class DeviceTest : public ::testing::Test {
protected:
    DeviceTest() {
        window.setClientSize(640, 480);
        panel.setBounds({54, 118, 318, 235});
        panel.setColor(gfx::colors::black);
        window.show();
        app.processMessages();
    }

    void open(const std::string& name) {
        device.setFileName(files().path(name));
        device.open();
    }

    // Lets virtual time pass a millisecond at a time, so that every timer fires when it is due.
    void wait(int ms) {
        for (int i = 0; i < ms; ++i) {
            backend.pause(1'000'000);
            app.processMessages();
        }
    }

    gfx::Color panelCentre() {
        const gfx::Bitmap& display = app.composeDisplay();
        const gfx::Rect r = panel.rectInWindow();
        const gfx::Point origin = window.clientOrigin();
        return gfx::Color::fromPixel(
            display.pixel(origin.x + r.left + r.width / 2, origin.y + r.top + r.height / 2));
    }

    Backend backend;
    ui::Application app{backend};
    ui::Window& window = app.create<ui::Window>("w", "TW");
    ui::Panel& panel = window.add<ui::Panel>("p1");
    MediaDevice device{"shared"};
};

using MediaDeviceTest = DeviceTest<headless::HeadlessBackend>;
using RealTimeMediaDeviceTest = DeviceTest<WallClockSound>;

TEST_F(MediaDeviceTest, PlayPauseSeekAndFromFollowTheVirtualClockExactly) {
    EXPECT_EQ(device.mode(), Mode::notReady);
    open("x.dat");
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), 0);
    EXPECT_NEAR(device.length(), files().probedMs("x.dat"), 50);

    device.play();
    EXPECT_EQ(device.mode(), Mode::playing);
    wait(1000);
    EXPECT_EQ(device.position(), 1000);

    device.pause();
    EXPECT_EQ(device.mode(), Mode::paused);
    wait(300);
    EXPECT_EQ(device.position(), 1000);
    device.pause();  // resumes
    EXPECT_EQ(device.mode(), Mode::playing);
    backend.pause(250'000'000);  // one long step of the clock
    app.processMessages();
    EXPECT_EQ(device.position(), 1250);

    device.seek(500);
    EXPECT_EQ(device.mode(), Mode::stopped);
    device.pause();  // nothing when stopped
    EXPECT_EQ(device.mode(), Mode::stopped);
    wait(100);
    EXPECT_EQ(device.position(), 500);
    device.play();  // from the current position
    wait(200);
    EXPECT_EQ(device.position(), 700);

    device.setFrom(100);
    device.play();  // the pending start applies even while playing
    EXPECT_EQ(device.position(), 100);
    wait(50);
    EXPECT_EQ(device.position(), 150);
    device.pause();
    device.play();  // the start was used up: resumes where it paused
    wait(10);
    EXPECT_EQ(device.position(), 160);

    // Repositioning a paused device: play from the new start and pause at once.
    device.pause();
    device.setFrom(1500);
    device.play();
    device.pause();
    EXPECT_EQ(device.mode(), Mode::paused);
    wait(100);
    EXPECT_EQ(device.position(), 1500);

    device.close();
    EXPECT_EQ(device.mode(), Mode::notReady);
    EXPECT_EQ(device.position(), 0);
    EXPECT_EQ(device.length(), 0);
    device.play();  // nothing open: nothing happens
    EXPECT_EQ(device.mode(), Mode::notReady);
}

TEST_F(MediaDeviceTest, AFinishedTrackStopsAtItsLengthAndATrackTimerLoopsIt) {
    open("x.dat");
    std::vector<std::int32_t> positionsWhenStopped;
    std::int64_t restartedAt = -1;
    ui::Timer& tr1 = window.addTimer("tr1", 10);
    tr1.onTimer = [&](ui::Timer&) {
        if (device.mode() != Mode::stopped) return;
        positionsWhenStopped.push_back(device.position());
        device.play();
        restartedAt = app.nowMs();
    };
    device.setFrom(1900);
    device.play();
    const std::int64_t start = app.nowMs();
    wait(100);
    EXPECT_EQ(device.mode(), Mode::playing);
    wait(110);
    ASSERT_EQ(positionsWhenStopped.size(), 1u);
    EXPECT_EQ(positionsWhenStopped[0], device.length());
    EXPECT_LE(restartedAt - start, 100 + 1 + 10);  // the sound ran out after 100 ms; one tick later it restarts
    EXPECT_EQ(device.mode(), Mode::playing);
    EXPECT_EQ(device.position(), app.nowMs() - restartedAt);
}

TEST_F(MediaDeviceTest, WithoutAutoRewindPlayAtTheEndPlaysNothing) {
    open("x.dat");
    device.setAutoRewind(false);
    device.setFrom(1950);
    device.play();
    wait(200);
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), device.length());
    device.play();
    wait(20);
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), device.length());

    device.seek(300);
    device.setFrom(device.length() + 5000);  // a jump to (or past) the end stops there at once
    device.play();
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), device.length());
}

TEST_F(MediaDeviceTest, FilesThatCannotBeOpenedThrowAndLeaveTheDeviceClosed) {
    open("x.dat");
    device.play();
    wait(50);
    for (const std::string name : {"missing.dat", "broken.dat"}) {
        device.setFileName(files().path(name));
        try {
            device.open();
            ADD_FAILURE() << name << " opened";
        } catch (const MediaError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_EQ(device.mode(), Mode::notReady);
        EXPECT_EQ(device.position(), 0);
    }
    MediaDevice unresolved("intro", [](std::string_view) { return std::nullopt; });
    unresolved.setFileName("data1\\08.dat");
    EXPECT_THROW(unresolved.open(), MediaError);
    EXPECT_EQ(unresolved.mode(), Mode::notReady);
}

TEST_F(MediaDeviceTest, NamesAreResolvedAndReportedAsTheProgramWritesThem) {
    std::vector<std::string> asked;
    device.setResolver([&](std::string_view name) -> std::optional<std::filesystem::path> {
        asked.emplace_back(name);
        return files().path("x.dat");
    });
    device.setFileName("DATA1\\08.DAT");
    device.open();
    device.setAutoRewind(false);
    device.play();
    wait(40);
    EXPECT_EQ(asked, std::vector<std::string>{"DATA1\\08.DAT"});
    const nlohmann::json state = device.describe();
    EXPECT_EQ(state["file"], "DATA1\\08.DAT");
    EXPECT_EQ(state["mode"], 2);
    EXPECT_EQ(state["position"], 40);
    EXPECT_EQ(state["length"], device.length());
    EXPECT_EQ(state["autoRewind"], false);
}

// x.mpg shows white for its first second and blue for the next.
bool white(gfx::Color c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool blue(gfx::Color c) { return c.r < 80 && c.g < 80 && c.b > 150; }

TEST_F(MediaDeviceTest, VideoFillsItsPanelWithThePictureOfThePosition) {
    device.setDisplay(&panel);
    open("x.mpg");
    EXPECT_NEAR(device.length(), files().probedMs("x.mpg"), 50);
    EXPECT_EQ(panelCentre(), gfx::colors::black);
    device.play();
    wait(900);
    EXPECT_EQ(device.position(), 900);
    ASSERT_TRUE(panel.frame().has_value());
    EXPECT_EQ(panel.frame()->size(), (gfx::Size{318, 235}));
    EXPECT_TRUE(white(panelCentre()));
    wait(200);
    EXPECT_TRUE(blue(panelCentre()));

    device.setFrom(200);  // pictures decoded for the old place are not shown
    device.play();
    wait(10);
    EXPECT_TRUE(white(panelCentre()));
    device.seek(1500);
    device.play();
    wait(10);
    EXPECT_TRUE(blue(panelCentre()));

    device.close();
    EXPECT_FALSE(panel.frame().has_value());
    EXPECT_EQ(panelCentre(), gfx::colors::black);
}

TEST_F(MediaDeviceTest, PeriodAviPlaysItsPicturesAndSoundToTheEnd) {
    device.setDisplay(&panel);
    device.setAutoRewind(false);
    open("x.avi");
    EXPECT_NEAR(device.length(), files().probedMs("x.avi"), 50);
    device.play();
    wait(300);
    EXPECT_EQ(device.position(), 300);
    const gfx::Color shown = panelCentre();
    EXPECT_GT(shown.r, 200);
    EXPECT_GT(shown.g, 200);
    EXPECT_LT(shown.b, 60);
    wait(1900);
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), device.length());
}

TEST_F(MediaDeviceTest, VideoWithoutSoundRunsOnTheClock) {
    device.setDisplay(&panel);
    open("silent.avi");
    EXPECT_NEAR(device.length(), 1500, 50);
    device.play();
    wait(400);
    EXPECT_EQ(device.position(), 400);
    EXPECT_TRUE(panel.frame().has_value());
    device.pause();
    wait(100);
    EXPECT_EQ(device.position(), 400);
    device.pause();
    wait(1200);
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), device.length());
    device.play();  // auto-rewind
    wait(30);
    EXPECT_EQ(device.mode(), Mode::playing);
    EXPECT_EQ(device.position(), 30);
}

// Decoders give up their last pictures at the end of some files without saying when they start:
// those follow the pictures before them instead of coming due at once.
TEST(MediaFilePictures, ComeInTheOrderOfTheirTimesToTheEndOfTheFile) {
    MediaFile file(MediaSource(files().path("x.mpg")), MediaKind::video, 44100, 2);
    std::vector<std::int32_t> times;
    for (bool more = true; more;) {
        Decoded out;
        more = file.decodeNext(out, {32, 24});
        for (const Picture& picture : out.pictures) times.push_back(picture.ms);
    }
    ASSERT_EQ(times.size(), 50u);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_EQ(times.back(), 1970);
}

TEST_F(RealTimeMediaDeviceTest, TheDecodingThreadAloneFeedsSoundAndPicturesToTheEnd) {
    device.setDisplay(&panel);
    device.setAutoRewind(false);
    open("x.mpg");
    device.setFrom(1500);
    device.play();
    std::vector<std::int32_t> positions;
    for (int i = 0; i < 1000 && device.mode() == Mode::playing; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        backend.pause(10'000'000);  // the picture timer runs on the toolkit's clock
        app.processMessages();
        positions.push_back(device.position());
    }
    EXPECT_EQ(device.mode(), Mode::stopped);
    EXPECT_EQ(device.position(), device.length());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_TRUE(blue(panelCentre()));
}

// An output whose buffers the test takes itself.
class HandTakenOutput : public ui::AudioOutput {
public:
    int sampleRate() const override { return 44100; }
    int channels() const override { return 2; }
    void attach(ui::AudioSource*) override {}
    void detach(ui::AudioSource*) override {}
};

TEST_F(RealTimeMediaDeviceTest, TheFirstBufferIsWholeSoundOrSilenceNeverAPacketAndAHole) {
    HandTakenOutput output;
    constexpr int frames = 16384;  // a large buffer, so that the decoder takes a while to have it whole
    // Taken at once and a little later, while the decoding thread has had its first packets or not.
    for (int attempt = 0; attempt < 30; ++attempt) {
        Playback playback(MediaSource(files().path("x.dat")), MediaKind::sound, {}, output, false);
        playback.setRunning(true);
        std::this_thread::sleep_for(std::chrono::microseconds(attempt * 50));
        std::vector<std::int16_t> buffer(std::size_t(frames) * 2);
        playback.fill(buffer.data(), frames);
        const bool silent = std::all_of(buffer.begin(), buffer.end(), [](std::int16_t v) { return v == 0; });
        // A 440 Hz tone is never silent for 512 frames; the start of a buffer may be, by the coder's delay.
        const bool endsSilent = std::all_of(buffer.end() - 1024, buffer.end(), [](std::int16_t v) { return v == 0; });
        EXPECT_TRUE(silent || !endsSilent) << "attempt " << attempt;
        playback.setRunning(false);
    }
}

}  // namespace
}  // namespace vemra::media
