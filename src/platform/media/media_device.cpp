#include "platform/media/media_device.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include <nlohmann/json.hpp>

#include "platform/media/playback.h"
#include "platform/ui/application.h"
#include "platform/ui/trace.h"

namespace vemra::media {

namespace {

// Pictures are looked at this often while a video plays.
constexpr int pictureIntervalMs = 10;

MediaKind kindOf(std::string_view fileName) {
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".dat" ? MediaKind::sound : MediaKind::video;
}

}  // namespace

std::optional<std::filesystem::path> backslashPath(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return std::filesystem::path(path);
}

namespace {
std::vector<const MediaDevice*>& liveDevices() {
    static std::vector<const MediaDevice*> devices;
    return devices;
}
}  // namespace

const std::vector<const MediaDevice*>& MediaDevice::live() { return liveDevices(); }

MediaDevice::MediaDevice(std::string name, PathResolver resolve)
    : name_(std::move(name)), resolve_(std::move(resolve)), pictureTimer_("media pictures", pictureIntervalMs, false) {
    pictureTimer_.onTimer = [this](ui::Timer&) { showDuePicture(); };
    liveDevices().push_back(this);
}

MediaDevice::~MediaDevice() {
    close();
    std::erase(liveDevices(), this);
}

void MediaDevice::open() {
    close();
    trace("open", fileName_);
    const std::optional<MediaSource> source = resolve_(fileName_);
    if (!source) throw MediaError("cannot open \"" + fileName_ + "\": no such file");
    ui::Backend& backend = ui::app().backend();
    try {
        playback_ = std::make_unique<Playback>(*source, kindOf(fileName_), displaySize(), backend.audio(),
                                               backend.virtualTime(), pictureFit_);
    } catch (const MediaError& e) {
        throw MediaError("cannot open \"" + fileName_ + "\": " + e.what());
    }
    openFile_ = fileName_;
    mode_ = Mode::stopped;
}

void MediaDevice::play() {
    if (!playback_) return;
    settle();
    std::optional<std::int32_t> start = std::exchange(from_, std::nullopt);
    if (mode_ == Mode::playing && !start) return;  // goes on
    const std::int32_t length = playback_->lengthMs();
    if (!start && autoRewind_ && playback_->positionMs() >= length) start = 0;
    if (start) playback_->moveTo(std::clamp(*start, 0, length));
    const bool atEnd = playback_->positionMs() >= length;
    playback_->setRunning(!atEnd);
    mode_ = atEnd ? Mode::stopped : Mode::playing;
    if (!atEnd) trace("play", openFile_);
    updatePictureTimer();
}

void MediaDevice::pause() {
    if (!playback_) return;
    settle();
    if (mode_ == Mode::playing) {
        playback_->setRunning(false);
        mode_ = Mode::paused;
        trace("pause", openFile_);
    } else if (mode_ == Mode::paused) {
        playback_->setRunning(true);
        mode_ = Mode::playing;
        trace("play", openFile_);
    }
    updatePictureTimer();
}

void MediaDevice::seek(std::int32_t ms) {
    if (!playback_) return;
    trace("seek", openFile_);
    playback_->setRunning(false);
    playback_->moveTo(std::clamp(ms, 0, playback_->lengthMs()));
    mode_ = Mode::stopped;
    updatePictureTimer();
}

void MediaDevice::close() {
    if (!playback_) return;
    trace("close", openFile_);
    playback_.reset();  // detaches from the output and joins the decoding thread
    mode_ = Mode::notReady;
    from_.reset();
    clearDisplay();
    updatePictureTimer();
}

bool MediaDevice::reachedEnd() const { return mode_ == Mode::playing && playback_->finished(); }

void MediaDevice::settle() {
    if (!reachedEnd()) return;
    playback_->setRunning(false);
    playback_->moveTo(playback_->lengthMs());
    mode_ = Mode::stopped;
}

std::int32_t MediaDevice::length() const { return playback_ ? playback_->lengthMs() : 0; }

std::int32_t MediaDevice::position() const {
    if (!playback_) return 0;
    return reachedEnd() ? playback_->lengthMs() : playback_->positionMs();
}

Mode MediaDevice::mode() const { return reachedEnd() ? Mode::stopped : mode_; }

bool MediaDevice::mayStopUnannounced() const { return mode() == Mode::playing && !playback_->hasSound(); }

void MediaDevice::setDisplay(ui::Panel* panel) {
    if (display_.get() != panel) clearDisplay();
    display_ = panel;
    if (playback_) playback_->setPictureSize(displaySize());
    updatePictureTimer();
}

gfx::Size MediaDevice::displaySize() const {
    const ui::Panel* panel = display_.get();
    return panel ? gfx::Size{panel->width(), panel->height()} : gfx::Size{};
}

void MediaDevice::showDuePicture() {
    if (!playback_) return;
    if (std::optional<gfx::Bitmap> picture = playback_->takePicture())
        if (ui::Panel* panel = display_.get()) panel->setFrame(std::move(picture));
    settle();
    updatePictureTimer();
}

void MediaDevice::updatePictureTimer() {
    pictureTimer_.setEnabled(mode_ == Mode::playing && playback_->hasPictures() && display_);
}

void MediaDevice::clearDisplay() {
    if (ui::Panel* panel = display_.get()) panel->setFrame(std::nullopt);
}

nlohmann::json MediaDevice::describe() const {
    return {{"file", fileName_},
            {"mode", int(mode())},
            {"position", position()},
            {"length", length()},
            {"autoRewind", autoRewind_}};
}

void MediaDevice::trace(std::string_view what, const std::string& file) const {
    ui::trace("media " + name_ + " " + std::string(what), file);
}

}  // namespace vemra::media
