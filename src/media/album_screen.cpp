#include "media/album_screen.h"

#include <variant>

#include <nlohmann/json.hpp>

#include "content/text_readers.h"
#include "media/album_picture.h"
#include "platform/ui/application.h"
#include "platform/ui/trace.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::media {

using shell::un4;

namespace {
constexpr int rangeRecordLength = 16;
constexpr int pictureEntryLength = 8;
}  // namespace

Tfrm30::Tfrm30(shell::Screen& placeScreen)
    : Screen(*designs::findDesign("frm30"), {.track = "data1\\15.dat", .ownTrackFlag = true}, &placeScreen),
      rows_(*this, [this](ui::Label& row) { chooseEntry(row); }) {
    onDeactivate = nullptr;
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    for (std::string_view name : {"m1", "luptrs", "ldntrs", "mpic2", "Labm1"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) {
            unlightExit();
            rows_.hideFullTitle();
        };
    setExitCorner();
    get<ui::Picture>("Image5").onClick = [this](ui::Widget&) { previous(); };
    get<ui::Picture>("Image4").onClick = [this](ui::Widget&) { next(); };
    get<ui::Picture>("Image6").onClick = [this](ui::Widget&) { toggleSlideshow(); };
    addPressedLook(get<ui::Picture>("Image5"));
    addPressedLook(get<ui::Picture>("Image4"));
    timer("Timer1")->onTimer = [this](ui::Timer&) { slideshowStep(); };
    afterShowing([this] { FormShow(); });
    describeScreen = [this](nlohmann::json& screen) {
        rows_.describe(screen);
        screen["albumPictures"] = albumPictures_;
        screen["albumCount"] = albumPictures_.size();
        screen["albumPos"] = albumPos_;
        screen["picture"] = currentPicture_;
        screen["slideshowOn"] = slideshowOn_;
    };
    ui::app().handle([this] { rows_.setEntries(content::loadLines(albumTitlesFile)); });
}

void Tfrm30::FormShow() {
    auto& backgroundCopy = get<ui::Picture>("mpic1");
    gfx::Bitmap under(backgroundCopy.width(), backgroundCopy.height());
    if (const gfx::Bitmap* art = background().bitmap()) under.copyFrom(*art, backgroundCopy.bounds(), {0, 0});
    backgroundCopy.setBitmap(std::move(under));
    get<ui::Picture>("Image2").sendToBack();
    get<ui::Picture>("Image3").sendToBack();
    rows_.refresh();
    ranges_ = content::WholeTextFile::load("data2\\qem0039.dat");
    pictureEntries_ = content::WholeTextFile::load("data2\\qem0038.dat");
}

void Tfrm30::resetListState() { rows_.reset(); }

void Tfrm30::chooseEntry(ui::Label& row) {
    rows_.mark(row);
    un4().articleTitle = row.caption();
    un4().articleIndex = row.tag;
    const std::int64_t record = std::int64_t(row.tag - 1) * rangeRecordLength + 1;
    const std::int32_t first = ranges_.field(record);
    const std::int32_t last = ranges_.field(record + 8);
    albumPictures_.clear();  // a vector: an entry of any length is shown whole
    for (std::int64_t e = first; e <= last; ++e)
        albumPictures_.push_back(pictureEntries_.field(e * pictureEntryLength + 1));
    stopSlideshow();
    albumPos_ = 0;
    if (albumPictures_.empty()) return;  // an empty range has no first picture to show
    albumPos_ = 1;
    currentPicture_ = albumPictures_.front();
    showPicture();
}

void Tfrm30::showPicture() {
    rows_.hideFullTitle();
    auto picture = loadAlbumPicture(currentPicture_);
    if (const auto* why = std::get_if<std::string>(&picture)) {
        ui::trace("album picture not shown", *why);  // the area keeps what it showed
        return;
    }
    const gfx::Bitmap& image = std::get<gfx::Bitmap>(picture);
    auto& composed = get<ui::Picture>("mpic");
    gfx::Bitmap area = *get<ui::Picture>("mpic1").bitmap();
    // Centred; a picture larger than the area is cut equally on both sides.
    area.copyFrom(image, image.bounds(), {(area.width() - image.width()) / 2, (area.height() - image.height()) / 2});
    composed.setBitmap(std::move(area));
    auto& transitionTarget = get<ui::Label>("Labm1");
    transitionTarget.bringToFront();
    un4().transitionCover = &transitionTarget;
    un4().transitionSource = &composed;
    shell::backdrop().RunNextEffect();  // whatever the transition switch says
    get<ui::Picture>("mpic2").setBitmap(*composed.bitmap());
    get<ui::Picture>("mpic2").repaint();
}

void Tfrm30::previous() {
    if (albumPictures_.empty() || albumPos_ - 1 <= 0) return;
    currentPicture_ = albumPictures_[std::size_t(--albumPos_ - 1)];
    showPicture();
}

void Tfrm30::next() {
    if (albumPictures_.empty() || albumPos_ + 1 > int(albumPictures_.size())) return;
    currentPicture_ = albumPictures_[std::size_t(++albumPos_ - 1)];
    showPicture();
}

void Tfrm30::addPressedLook(ui::Picture& button) {
    button.onMouseDown = [this, &button](ui::Widget&, ui::MouseButton, unsigned, int, int) {
        shell::copyLitLook(button, get<ui::Picture>("Image1"));
        button.repaint();
    };
    button.onMouseUp = [&button](ui::Widget&, ui::MouseButton, unsigned, int, int) { button.clear(); };
}

void Tfrm30::toggleSlideshow() {
    if (slideshowOn_) {
        stopSlideshow();
        return;
    }
    auto& button = get<ui::Picture>("Image6");
    shell::copyLitLook(button, get<ui::Picture>("Image1"));
    button.repaint();
    get<ui::Picture>("Image5").setEnabled(false);
    get<ui::Picture>("Image4").setEnabled(false);
    slideshowOn_ = true;
    timer("Timer1")->setEnabled(true);
}

void Tfrm30::stopSlideshow() {
    if (!slideshowOn_) return;
    get<ui::Picture>("Image5").setEnabled(true);
    get<ui::Picture>("Image4").setEnabled(true);
    slideshowOn_ = false;
    get<ui::Picture>("Image6").clear();
    timer("Timer1")->setEnabled(false);
}

void Tfrm30::slideshowStep() {
    if (albumPictures_.empty()) return;
    if (++albumPos_ > int(albumPictures_.size())) {
        albumPos_ = 0;  // a pause of one step before the first picture again
        return;
    }
    currentPicture_ = albumPictures_[std::size_t(albumPos_ - 1)];
    showPicture();
}

void Tfrm30::exitScreen() {
    timer("Timer1")->setEnabled(false);
    Screen::exitScreen();
}

}  // namespace vemra::media
