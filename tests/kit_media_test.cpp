// The content kit's media and cursors, checked with FFmpeg's probe, icoutils and the program's own
// cursor reader: right formats and lengths, the same bytes on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include <nlohmann/json.hpp>

#include "kit/byte_buffer.h"
#include "kit/gen_cursors.h"
#include "kit/gen_music.h"
#include "kit/gen_sounds.h"
#include "kit/gen_video.h"
#include "kit/media_tools.h"
#include "platform/gfx/png.h"
#include "platform/win/binary_file.h"
#include "platform/win/binary_reader.h"
#include "platform/win/cursor_file.h"

namespace vemra::kit {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

json probe(const fs::path& file) {
    return json::parse(
        runToolForOutput({"ffprobe", "-v", "error", "-show_streams", "-show_format", "-of", "json", file.string()}));
}

json streamOf(const json& info, std::string_view type) {
    for (const json& s : info["streams"])
        if (s["codec_type"] == type) return s;
    ADD_FAILURE() << "no " << type << " stream";
    return json::object();
}

double durationOf(const json& info) { return std::stod(info["format"]["duration"].get<std::string>()); }

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool contains(const std::vector<std::uint8_t>& bytes, std::string_view text) {
    return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

class KitMediaTest : public ::testing::Test {
protected:
    TempDir first, second;  // each kind is made twice: the bytes must not differ
};

TEST_F(KitMediaTest, MusicTracksAreBareMp3StreamsOfTheirTunesLength) {
    writeMusicTracks(first.path(), 2, 2);
    writeMusicTracks(first.path(), 7, 7);
    EXPECT_EQ(namesIn(first.path() / "data1"), (std::vector<std::string>{"02.dat", "07.dat"}));
    for (int track : {2, 7}) {
        const json info = probe(musicTrackPath(first.path(), track));
        EXPECT_EQ(info["format"]["format_name"], "mp3");
        const json audio = streamOf(info, "audio");
        EXPECT_EQ(audio["codec_name"], "mp3");
        EXPECT_EQ(audio["sample_rate"], "44100");
        EXPECT_EQ(audio["channels"], 2);
        EXPECT_NEAR(durationOf(info), tuneSeconds(musicTune(track)), 0.1) << track;
        // No ID3 tag ahead of the first frame, no encoder header inside it.
        const auto bytes = win::readBinaryFile(musicTrackPath(first.path(), track));
        ASSERT_GT(bytes.size(), 200u);
        EXPECT_TRUE(bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0) << track;
        const std::vector<std::uint8_t> head(bytes.begin(), bytes.begin() + 200);
        EXPECT_FALSE(contains(head, "Info") || contains(head, "Xing") || contains(head, "Lav")) << track;
    }
    writeMusicTracks(second.path(), 2, 2);
    EXPECT_EQ(win::readBinaryFile(musicTrackPath(first.path(), 2)), win::readBinaryFile(musicTrackPath(second.path(), 2)));
}

TEST_F(KitMediaTest, EveryTrackHasItsOwnTuneAndSomeAreShortEnoughToShowLooping) {
    std::set<std::tuple<int, int, int, double, std::uint32_t>> distinct;
    int shortTracks = 0;
    for (int track = 0; track < musicTrackCount; ++track) {
        const Tune& t = musicTune(track);
        distinct.insert({t.rootNote, int(t.mode), int(t.timbre), t.beatsPerMinute, t.seed});
        EXPECT_GE(tuneSeconds(t), 2.9) << track;
        EXPECT_LE(tuneSeconds(t), 40.0) << track;
        shortTracks += tuneSeconds(t) < 4;
    }
    EXPECT_EQ(distinct.size(), std::size_t(musicTrackCount));
    EXPECT_GE(shortTracks, 2);
    EXPECT_THROW(musicTune(musicTrackCount), std::out_of_range);
}

TEST_F(KitMediaTest, GallerySoundsAreNumberedMp3ClipsThatSpeakTheirNumber) {
    writeGallerySounds(first.path(), 99, 101);
    EXPECT_EQ(namesIn(first.path() / "data4"), (std::vector<std::string>{"099.dat", "100.dat", "101.dat"}));
    for (int n : {99, 100, 101}) {
        const json info = probe(gallerySoundPath(first.path(), n));
        const json audio = streamOf(info, "audio");
        EXPECT_EQ(audio["codec_name"], "mp3");
        EXPECT_EQ(audio["channels"], 1);
        EXPECT_GE(durationOf(info), 1.4) << n;
        EXPECT_LE(durationOf(info), 3.0) << n;
    }
    EXPECT_NE(win::readBinaryFile(gallerySoundPath(first.path(), 99)),
              win::readBinaryFile(gallerySoundPath(first.path(), 100)));
    // Made alone, a clip comes out as it did within a batch.
    writeGallerySounds(second.path(), 100, 100);
    EXPECT_EQ(win::readBinaryFile(gallerySoundPath(first.path(), 100)),
              win::readBinaryFile(gallerySoundPath(second.path(), 100)));
    EXPECT_GE(gallerySoundCount, 100);
}

TEST_F(KitMediaTest, IntroIsAnAviWithPeriodVideoAndSoundShowingTheTitleAndMotion) {
    writeIntroVideo(first.path());
    const fs::path intro = introVideoPath(first.path());
    const json info = probe(intro);
    EXPECT_EQ(info["format"]["format_name"], "avi");
    const json video = streamOf(info, "video");
    EXPECT_EQ(video["codec_name"], "msvideo1");
    EXPECT_EQ(video["width"], 320);
    EXPECT_EQ(video["height"], 240);
    EXPECT_EQ(streamOf(info, "audio")["codec_name"], "pcm_s16le");
    EXPECT_NEAR(durationOf(info), introSeconds, 0.2);

    const auto frameAt = [&](const std::string& seconds) {
        const fs::path png = first.path() / ("frame" + seconds + ".png");
        runTool({"ffmpeg", "-v", "error", "-nostdin", "-ss", seconds, "-i", intro.string(), "-frames:v", "1",
                 png.string()});
        return gfx::readPng(png);
    };
    const gfx::Bitmap early = frameAt("2"), late = frameAt("6");
    EXPECT_NE(early, late);
    int gold = 0;  // the title's letters
    for (int y = 80; y < 150; ++y)
        for (int x = 40; x < 280; ++x) {
            const gfx::Color c = gfx::Color::fromPixel(late.pixel(x, y));
            gold += c.r > 200 && c.g > 150 && c.g < 230 && c.b < 120;
        }
    EXPECT_GT(gold, 500);

    writeIntroVideo(second.path());
    EXPECT_EQ(win::readBinaryFile(intro), win::readBinaryFile(introVideoPath(second.path())));
}

TEST_F(KitMediaTest, VideoClipsAreMpegSystemStreamsOfTheirLength) {
    writeVideoClips(first.path(), 5, 6);
    EXPECT_EQ(namesIn(first.path() / "data5"), (std::vector<std::string>{"05.mpg", "06.mpg"}));
    for (int clip : {5, 6}) {
        const json info = probe(videoClipPath(first.path(), clip));
        EXPECT_EQ(info["format"]["format_name"], "mpeg");
        const json video = streamOf(info, "video");
        EXPECT_EQ(video["codec_name"], "mpeg1video");
        EXPECT_EQ(video["width"], 320);
        EXPECT_EQ(streamOf(info, "audio")["codec_name"], "mp2");
        EXPECT_NEAR(durationOf(info), videoClipSeconds(clip), 0.3) << clip;
    }
    for (int clip = 1; clip <= videoClipCount; ++clip) {
        EXPECT_GE(videoClipSeconds(clip), 3) << clip;
        EXPECT_LE(videoClipSeconds(clip), 8) << clip;
    }
    EXPECT_GE(videoClipCount, 11);
    writeVideoClips(second.path(), 6, 6);
    EXPECT_EQ(win::readBinaryFile(videoClipPath(first.path(), 6)), win::readBinaryFile(videoClipPath(second.path(), 6)));
}

constexpr std::uint32_t opaqueBlack = 0xFF000000, opaqueWhite = 0xFFFFFFFF;

TEST_F(KitMediaTest, ListCursorReadsBackWithIcotoolAndTheProgramsReader) {
    writeCursors(first.path());
    const fs::path file = first.path() / "data1" / "data2.cur";
    const std::string listing = runToolForOutput({"icotool", "-l", file.string()});
    EXPECT_NE(listing.find("--cursor --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2 --hotspot-x=0 --hotspot-y=0"),
              std::string::npos)
        << listing;

    const ui::CursorShape shape = win::readCursorFile(file);
    ASSERT_EQ(shape.frames.size(), 1u);
    const ui::CursorFrame& f = shape.frames[0];
    ASSERT_EQ(f.width, 32);
    ASSERT_EQ(f.height, 32);
    EXPECT_EQ(f.hotspot, (gfx::Point{0, 0}));
    const auto at = [&](int x, int y) { return f.argb[std::size_t(y * 32 + x)]; };
    EXPECT_EQ(at(0, 0), opaqueBlack);   // the arrow's outline
    EXPECT_EQ(at(1, 5), opaqueWhite);   // inside the arrow
    EXPECT_EQ(at(14, 14), opaqueWhite); // inside the list
    EXPECT_EQ(at(31, 0) >> 24, 0u);     // transparent corner
    EXPECT_EQ(at(0, 31) >> 24, 0u);
}

TEST_F(KitMediaTest, AnimatedHandHasSixFramesShownBackAndForth) {
    writeCursors(first.path());
    const fs::path file = first.path() / "qem00.ani";
    const auto bytes = win::readBinaryFile(file);

    // Walk the RIFF structure; every "icon" frame must read as a cursor for icotool.
    const win::BinaryReader riff(bytes, "qem00.ani");
    ASSERT_EQ(std::string_view(reinterpret_cast<const char*>(riff.bytes(8, 4).data()), 4), "ACON");
    EXPECT_EQ(riff.u32(4), bytes.size() - 8);
    std::vector<std::string> chunks;
    int icons = 0;
    const auto tagAt = [&](std::size_t at) {
        const auto t = riff.bytes(at, 4);
        return std::string(t.begin(), t.end());
    };
    for (std::size_t at = 12; at < bytes.size();) {
        const std::string tag = tagAt(at);
        const std::uint32_t size = riff.u32(at + 4);
        chunks.push_back(tag == "LIST" ? "LIST " + tagAt(at + 8) : tag);
        if (tag == "anih") {
            EXPECT_EQ(riff.u32(at + 8 + 4), 6u);   // frames
            EXPECT_EQ(riff.u32(at + 8 + 8), 10u);  // steps
            EXPECT_EQ(riff.u32(at + 8 + 32), 3u);  // cursor frames, with a sequence
        }
        if (tag == "LIST" && tagAt(at + 8) == "fram") {
            for (std::size_t icon = at + 12; icon < at + 8 + size;) {
                EXPECT_EQ(tagAt(icon), "icon");
                const std::uint32_t iconSize = riff.u32(icon + 4);
                const fs::path frame = first.path() / ("frame" + std::to_string(icons++) + ".cur");
                const auto image = riff.bytes(icon + 8, iconSize);
                writeBinaryFile(frame, std::vector<std::uint8_t>(image.begin(), image.end()));
                const std::string listing = runToolForOutput({"icotool", "-l", frame.string()});
                EXPECT_NE(listing.find("--bit-depth=4 --palette-size=16 --hotspot-x=13 --hotspot-y=7"), std::string::npos) << listing;
                icon += 8 + iconSize + iconSize % 2;
            }
        }
        at += 8 + size + size % 2;
    }
    EXPECT_EQ(chunks, (std::vector<std::string>{"LIST INFO", "anih", "rate", "seq ", "LIST fram"}));
    EXPECT_EQ(icons, 6);

    const ui::CursorShape shape = win::readCursorFile(file);
    ASSERT_EQ(shape.frames.size(), 10u);
    EXPECT_EQ(shape.frameMs, (std::vector<int>{500, 100, 100, 100, 100, 100, 100, 100, 100, 100}));
    const auto handAt = [&](std::size_t step) { return shape.frames[step].argb[19 * 32 + 12]; };
    EXPECT_EQ(handAt(0), opaqueWhite);
    EXPECT_EQ(handAt(3), 0xFFFFD264u);  // the deepest glow
    EXPECT_EQ(handAt(2), handAt(4));    // the same frame on the way back
    EXPECT_EQ(shape.frames[5].hotspot, (gfx::Point{13, 7}));
}

TEST(MediaToolsTest, ToolsGetTheirInputAndReportEveryWayOfFailing) {
    const TempDir dir;
    const fs::path file = dir.path() / "data";
    std::vector<std::uint8_t> data(1 << 20);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = std::uint8_t(i * 7 + i / 251);
    writeBinaryFile(file, data);
    const auto feed = [&](const std::vector<std::uint8_t>& bytes) {
        return [&bytes](ToolInput& in) { in.write(std::as_bytes(std::span(bytes))); };
    };
    EXPECT_NO_THROW(runTool({"cmp", "-s", "-", file.string()}, feed(data)));

    std::vector<std::uint8_t> changed = data;
    changed[700000] ^= 1;
    EXPECT_THROW(runTool({"cmp", "-s", "-", file.string()}, feed(changed)), std::runtime_error);

    // A tool that quits early must not take the kit down with SIGPIPE.
    std::vector<std::uint8_t> large(16 << 20);
    std::copy(data.begin(), data.end(), large.begin());
    try {
        runTool({"cmp", "-s", "-n", "4", "-", file.string()}, feed(large));
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("cmp stopped reading its input"), std::string::npos) << e.what();
    }

    try {
        runTool({"vemra-no-such-tool"});
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("vemra-no-such-tool is not installed"), std::string::npos) << e.what();
    }
    try {
        runTool({"ffprobe", "-v", "error", (dir.path() / "missing.avi").string()});
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("ffprobe failed (exit status 1)"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace vemra::kit
