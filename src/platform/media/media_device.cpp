#include "platform/media/media_device.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include <nlohmann/json.hpp>

#include "platform/media/playback.h"
#include "platform/ui/application.h"
#include "platform/ui/timing.h"
#include "platform/ui/trace.h"

namespace vemra::media {

namespace {

// While a video plays, the next picture is shown when it is due; until it has been decoded, the
// device looks again this often, and never waits longer than the longest wait.
constexpr int pictureIntervalMs = 10;
constexpr int longestPictureWaitMs = 100;

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
    if (ui::timing() && playback_->hasPictures()) {
        const auto [decoded, dropped] = playback_->pictureCounts();
        ui::timingLine("pictures", name_ + " decoded " + std::to_string(decoded) + " shown " +
                                       std::to_string(picturesShown_) + " dropped " + std::to_string(dropped));
    }
    picturesShown_ = 0;
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
    if (std::optional<Picture> picture = playback_->takePicture())
        if (ui::Panel* panel = display_.get()) {
            ++picturesShown_;
            if (ui::timing()) timeShownPicture(picture->ms);
            panel->setFrame(std::move(picture->image));
        }
    settle();
    updatePictureTimer();
}

void MediaDevice::timeShownPicture(std::int32_t ms) {
    if (!ui::app().backend().showsFrames()) return;
    ui::app().whenShown([device = ui::Ref<MediaDevice>(this), playback = playback_.get(), ms](std::int64_t shownUs) {
        if (!device || device->playback_.get() != playback) return;
        const double clockMs = double(playback->positionUsAt(shownUs)) / 1000.0;
        ui::timingLineAt(shownUs, "frame", device->name_ + " pts " + std::to_string(ms) + " clock " + std::to_string(clockMs));
    });
}

void MediaDevice::updatePictureTimer() {
    const bool showing = mode_ == Mode::playing && playback_->hasPictures() && display_;
    if (showing) pictureTimer_.setInterval(msUntilNextPicture());
    pictureTimer_.setEnabled(showing);
}

int MediaDevice::msUntilNextPicture() const {
    const std::optional<std::int32_t> next = playback_->nextPictureMs();
    if (!next) return pictureIntervalMs;
    const std::int64_t waitUs = std::int64_t(*next) * 1000 - playback_->positionUsAt(ui::app().nowUs());
    return int(std::clamp<std::int64_t>((waitUs + 999) / 1000, 1, longestPictureWaitMs));
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
