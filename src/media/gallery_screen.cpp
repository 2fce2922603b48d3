#include "media/gallery_screen.h"

#include <array>

#include <nlohmann/json.hpp>

#include "content/content_source.h"
#include "content/pictures.h"
#include "content/text_readers.h"
#include "media/gallery_lists.h"
#include "media/media_failure.h"
#include "parts/row_colours.h"
#include "platform/ui/application.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::media_screens {

using shell::un4;

namespace {

const GalleryMember members[] = {
    {"frm27", 3, 21, "data1\\17.dat"},
    {"frm28", 1, 24, "data1\\19.dat"},
    {"frm29", 2, 22, "data1\\06.dat"},
};

constexpr std::array<std::string_view, 5> pictureRowNames{"Label2", "Label3", "Label4", "Label5", "Label6"};
constexpr std::array<std::string_view, 5> soundRowNames{"Label7", "Label8", "Label9", "Label10", "Label11"};
constexpr int none = -1;
constexpr int tickMs = 1000;

content::WholeTextFile wholeFile(std::string_view name, const std::vector<std::string>& lines) {
    return {std::string(name), content::wholeText(lines)};
}

}  // namespace

std::span<const GalleryMember> galleryMembers() { return members; }

GalleryScreen::GalleryScreen(const GalleryMember& member, shell::Screen& opener)
    : Screen(*designs::findDesign(member.name), {.animationSet = member.animationSet, .track = {}}, &opener),
      member_(member),
      pictures_(parts::labelsNamed(*this, pictureRowNames), un4().listTop),
      sounds_(parts::labelsNamed(*this, soundRowNames), soundTop_),
      overlay_(get<ui::Label>("labcamov")),
      repeat_(*timer("t2")),
      panel_(get<ui::Panel>("Panel1")),
      position_(get<ui::ScrollBar>("Sr1")),
      tr1_(*timer("tr1")),
      length_(get<ui::Label>("lt1"), get<ui::Label>("lt2"), get<ui::Label>("lt3")),
      elapsed_(get<ui::Label>("lt4"), get<ui::Label>("lt5"), get<ui::Label>("lt6")) {
    pictures_.setMarking(parts::yellow, parts::red, none);
    sounds_.setMarking(parts::yellow, parts::red, none);
    pictures_.setRowHandlers([this](ui::Label& row) { choosePicture(row); },
                             [this](ui::Label& row) { overlay_.show(row); });
    sounds_.setRowHandlers([this](ui::Label& row) { chooseSound(row); }, [this](ui::Label& row) { overlay_.show(row); });
    repeat_.addArrow(get<ui::Label>("luptrs"), 1, get<ui::Picture>("Image2"), [this] { pictures_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldntrs"), 2, get<ui::Picture>("Image3"), [this] { pictures_.lineDown(); });
    repeat_.addArrow(get<ui::Label>("luptrs1"), 3, get<ui::Picture>("Image1"), [this] { sounds_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldntrs1"), 4, get<ui::Picture>("Image4"), [this] { sounds_.lineDown(); });
    for (std::string_view name : {"m1", "luptrs", "ldntrs", "luptrs1", "ldntrs1"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) { hideFullTitle(); };
    setExitCorner();
    get<ui::Picture>("imgr4").onClick = [this](ui::Widget&) { playClick(); };
    get<ui::Picture>("imgr3").onClick = [this](ui::Widget&) { pauseClick(); };
    position_.onScroll = [this](ui::ScrollBar&, ui::ScrollCode, int& pos) { movePosition(pos); };
    tr1_.onTimer = [this](ui::Timer&) { panelTick(); };
    afterShowing([this] { FormShow(); });
    onActivate = [this](ui::Widget&) { Activate(); };
    onDeactivate = [this](ui::Widget&) { tr1_.setEnabled(false); };
    describeScreen = [this](nlohmann::json& screen) { describeState(screen); };
    ui::app().handle([this] {
        un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
        pictureSounds_ = content::WholeTextFile::load(pictureSoundsFile);
        soundEntries_ = content::WholeTextFile::load(soundEntriesFile);
    });
}

media::MediaDevice& GalleryScreen::med() { return shell::backdrop().Med1(); }

void GalleryScreen::FormShow() {
    overlay_.park();
    for (std::string_view name : {"Image2", "Image3", "Image1", "Image4"}) get<ui::Picture>(name).sendToBack();
    pictures_.refresh();  // no entries yet: a list that fails to build leaves every row hidden
    un4().articleIndex = member_.sectionRecord;
    GalleryEntries list = galleryPictures(wholeFile(gallerySectionsFile, un4().gallerySections), member_.sectionRecord,
                                          wholeFile(pictureEntriesFile, un4().pictureEntries), un4().pictureTitles);
    pictures_.setEntries(std::move(list.titles), std::move(list.indexes));
    un4().listTop = 0;
    pictures_.refresh();
}

void GalleryScreen::Activate() {
    activateStandard();
    if (un4().musicOn == 0) return;
    trackOpen_ = false;
    tr1_.setEnabled(true);
}

void GalleryScreen::resetListState() { repeat_.reset(); }

void GalleryScreen::hideFullTitle() {
    unlightExit();
    overlay_.hide();
}

void GalleryScreen::choosePicture(ui::Label& row) {
    pictures_.mark(row);
    row.repaint();
    ui::Label& overlay = get<ui::Label>("labcamov");
    gfx::FontSpec font = overlay.font();
    font.color = parts::red;
    overlay.setFont(font);
    const int picture = row.tag;
    un4().articleIndex = picture;

    GalleryEntries list = pictureSounds(pictureSounds_, picture, soundEntries_, un4().soundTitles);
    sounds_.setEntries(std::move(list.titles), std::move(list.indexes));
    soundTop_ = 0;
    sounds_.refresh();
    sounds_.clearMark(none);
    if (panel_.visible()) closePanel();

    auto& image = get<ui::Picture>("Image5");
    image.clear();
    pictureFile_.reset();
    const std::string file = galleryPicturePath(picture);
    if (!content::fileExists(file)) return;
    image.setBitmap(content::loadBitmapFile(file));
    pictureFile_ = file;
}

void GalleryScreen::closePanel() {
    trackOpen_ = false;
    tr1_.setEnabled(false);
    med().close();
    panel_.setVisible(false);
}

void GalleryScreen::chooseSound(ui::Label& row) {
    sounds_.mark(row);
    row.repaint();
    get<ui::Label>("labcamov").repaint();
    const std::string file = gallerySoundPath(row.tag);
    if (!content::fileExists(file)) {
        if (panel_.visible()) closePanel();
        return;
    }
    media::MediaDevice& device = med();
    device.setFileName(file);
    position_.setMin(0);
    try {
        device.open();
    } catch (const media::MediaError&) {
        tr1_.setEnabled(false);
        ui::app().messageBox(this, "error", std::string(media::mediaFailureText));
        panel_.setVisible(false);
        return;
    }
    panel_.setVisible(true);
    setSteps(device.length());
    trackOpen_ = true;
    tr1_.setEnabled(true);
    loopWatch_ = false;
    get<ui::Picture>("imgr1").repaint();
    playClick();
}

void GalleryScreen::setSteps(std::int32_t length) {
    position_.setLargeChange(length / 25);
    position_.setSmallChange(length / 50);
}

void GalleryScreen::pressLook(ui::Picture& button) {
    shell::copyLitLook(button, get<ui::Picture>("imgr2"));
    button.repaint();
}

void GalleryScreen::playClick() {
    clipPaused_ = false;
    tr1_.setEnabled(true);
    loopWatch_ = true;
    med().play();
    get<ui::Picture>("imgr3").clear();
    pressLook(get<ui::Picture>("imgr4"));
}

void GalleryScreen::pauseClick() {
    media::MediaDevice& device = med();
    if (device.mode() == media::paused) return;
    clipPaused_ = true;
    device.pause();
    tr1_.setEnabled(false);
    get<ui::Picture>("imgr4").clear();
    pressLook(get<ui::Picture>("imgr3"));
}

void GalleryScreen::movePosition(int position) {
    media::MediaDevice& device = med();
    device.seek(position);
    device.play();
    if (clipPaused_) playClick();
}

void GalleryScreen::panelTick() {
    media::MediaDevice& device = med();
    if (!trackOpen_) {
        if (!content::fileExists(member_.track)) {
            tr1_.setEnabled(false);
            return;
        }
        trackOpen_ = true;
        try {
            device.setFileName(member_.track);
            device.open();
        } catch (const media::MediaError&) {
            tr1_.setEnabled(false);
            return;
        }
        setSteps(device.length());
        playClick();
    }
    tr1_.setInterval(tickMs);
    const std::int32_t length = device.length();
    const std::int32_t position = device.position();
    position_.setMax(length);
    position_.setPosition(position);
    length_.show(length);
    elapsed_.show(position);
    if (loopWatch_ && position == length) playClick();
}

void GalleryScreen::exitScreen() {
    if (panel_.visible()) {
        panel_.setVisible(false);
        repaint();
    }
    Screen::exitScreen();
}

void GalleryScreen::describeState(nlohmann::json& screen) const {
    screen["listTop"] = un4().listTop;
    screen["maxTop"] = pictures_.maxTop();
    screen["soundTop"] = soundTop_;
    screen["soundMaxTop"] = sounds_.maxTop();
    screen["selectedPicture"] = pictures_.markedTag();
    screen["selectedSound"] = sounds_.markedTag();
    screen["pictureOfRow"] = pictures_.tags();
    screen["soundOfRow"] = sounds_.tags();
    screen["pictureFile"] = pictureFile_ ? nlohmann::json(*pictureFile_) : nlohmann::json();
    screen["panelVisible"] = panel_.visible();
    screen["position"] = position_.position();
    screen["positionMax"] = position_.max();
    screen["elapsed"] = elapsed_.captions();
    screen["length"] = length_.captions();
    screen["repeatDir"] = repeat_.direction();
    const auto expanded = overlay_.expandedLine();
    screen["expandedLine"] = expanded ? nlohmann::json(*expanded) : nlohmann::json();
    screen["trackOpen"] = trackOpen_;
    screen["clipPaused"] = clipPaused_;
    screen["loopWatch"] = loopWatch_;
}

shell::Screen* createGallery(std::string_view name, shell::Screen& opener) {
    for (const GalleryMember& m : members)
        if (m.name == name) return &ui::app().create<GalleryScreen>(m, opener);
    return nullptr;
}

}  // namespace vemra::media_screens
