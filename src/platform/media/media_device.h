#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/media/media_error.h"
#include "platform/media/media_source.h"
#include "platform/media/picture_converter.h"
#include "platform/ui/panel.h"
#include "platform/ui/ref.h"
#include "platform/ui/timer.h"

namespace vemra::media {

class Playback;

// What a device is doing; the program compares these numbers with plain integers.
enum Mode : int { notReady = 0, stopped = 1, playing = 2, paused = 5 };

// Finds the bytes for a name as the program writes it ("data1\08.dat"); nullopt when there is none.
using PathResolver = std::function<std::optional<MediaSource>(std::string_view)>;

// The name with '\' turned into '/', relative to the working directory.
std::optional<std::filesystem::path> backslashPath(std::string_view name);

// A media device: plays one sound or video file in the background while the program polls it.
// ".dat" files are sound only; ".mpg", ".avi" and anything else play sound and video, the video
// filling the display panel. Times are milliseconds. Every call comes from the UI thread; an
// Application must exist for the device's whole life.
class MediaDevice {
public:
    // `name` tells the devices apart in the trace ("shared", "intro", "clips").
    explicit MediaDevice(std::string name, PathResolver resolve = backslashPath);
    ~MediaDevice();
    MediaDevice(const MediaDevice&) = delete;
    MediaDevice& operator=(const MediaDevice&) = delete;

    const std::string& name() const { return name_; }
    const ui::Lifetime& lifetime() const { return lifetime_; }
    // Every device that exists now, oldest first.
    static const std::vector<const MediaDevice*>& live();
    void setResolver(PathResolver resolve) { resolve_ = std::move(resolve); }

    // Takes effect at the next open().
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }

    // Closes what was open, then opens fileName(), stopped at 0. Throws MediaError naming the file
    // when it is missing or cannot be decoded, and leaves the device closed.
    void open();
    // Returns at once. Starts at the pending From when one was set since the last play, else at the
    // current position; with autoRewind, a play at the end first goes back to 0. A play that starts
    // at the end plays nothing and leaves the device stopped there.
    void play();
    // Playing: pauses. Paused: resumes. Otherwise nothing.
    void pause();
    void close();
    // Goes to `ms` (within 0 … length) and stops.
    void seek(std::int32_t ms);
    // The start point of the next play only.
    void setFrom(std::int32_t ms) { from_ = ms; }

    // Without an open file: 0. At the end of playback the device stands stopped at the length.
    std::int32_t length() const;
    std::int32_t position() const;
    Mode mode() const;
    // Whether the mode can change without a call on the UI thread and without waking it: only a
    // playback without sound reaches its end unannounced (a sound's end wakes the program).
    bool mayStopUnannounced() const;

    bool autoRewind() const { return autoRewind_; }
    void setAutoRewind(bool on) { autoRewind_ = on; }

    // How the video takes the panel's size (stretched unless set); takes effect at the next open().
    void setPictureFit(PictureFit fit) { pictureFit_ = fit; }

    // The panel that shows the video, or null.
    void setDisplay(ui::Panel* panel);
    ui::Panel* display() const { return display_.get(); }

    // file (as the program named it), mode, position, length, autoRewind.
    nlohmann::json describe() const;

private:
    bool reachedEnd() const;
    // A playback that has reached its end stands stopped at the length.
    void settle();
    gfx::Size displaySize() const;
    void showDuePicture();
    void updatePictureTimer();
    int msUntilNextPicture() const;
    void clearDisplay();
    // With timing on: when the picture due at `ms` reaches the display, a line with the clock then.
    void timeShownPicture(std::int32_t ms);
    // A trace line naming the file the operation acts on (the open one, once opened).
    void trace(std::string_view what, const std::string& file) const;

    std::string name_;
    PathResolver resolve_;
    std::string fileName_;
    std::string openFile_;  // the file name the device opened; fileName_ may have changed since
    std::unique_ptr<Playback> playback_;
    Mode mode_ = Mode::notReady;
    std::optional<std::int32_t> from_;
    bool autoRewind_ = true;
    ui::Ref<ui::Panel> display_;
    PictureFit pictureFit_ = PictureFit::fill;
    ui::Timer pictureTimer_;
    std::int64_t picturesShown_ = 0;
    ui::Lifetime lifetime_;
};

}  // namespace vemra::media
