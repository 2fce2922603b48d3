#include "media/player_screen.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include <nlohmann/json.hpp>

#include "content/content_source.h"
#include "media/media_failure.h"
#include "media/player_variants.h"
#include "parts/arrow_repeat.h"
#include "parts/full_title_overlay.h"
#include "parts/list_rows.h"
#include "parts/row_colours.h"
#include "platform/ui/application.h"
#include "platform/ui/hex.h"
#include "shell/artwork.h"
#include "shell/backdrop.h"
#include "shell/un4.h"

namespace vemra::media_screens {

using shell::un4;
using Resume = PlayerScreen::Resume;

struct PlayerTraits {
    std::string_view name;
    std::string_view background;
    std::string_view exitCorner;
    std::string_view animationTarget;
    std::string_view pressedBar;  // the hidden picture of the whole transport bar pressed
    std::string_view loadPageLabel, drawPageLabel;
    std::array<std::string_view, 3> elapsed, length;
    PageLayout layout;
    std::size_t pageLimit;
    bool contents;               // contents rows beside the page; else a title
    bool followsFromCreation;    // the follow timer runs and the length shows from creation
    bool variantFromKind;        // `selectedKind` chooses the variant; else `playerVariant`
    Resume endsAndTens, pageUp, pageDown;
    bool tenNextStrictlyAfter;   // "10 sec. next" turns the page only past the next page's start
    std::span<const PlayerVariant> variants;
};

// The contents list of `frm2`: eight rows, the current entry white, arrows with auto-repeat and the
// full caption on an opaque overlay.
struct ContentsRows {
    ContentsRows(shell::Screen& screen, ui::Timer& repeatTimer, ui::Label& overlay)
        : rows(parts::labelsNamed(screen, rowNames), un4().listTop),
          overlay(overlay, {.opaque = true}),
          repeat(repeatTimer, parts::ArrowRepeat::repeatMs) {}

    static constexpr std::array<std::string_view, 8> rowNames{"lls1", "lls2", "lls3", "lls4",
                                                              "lls5", "lls6", "lls7", "lls8"};
    parts::ListRows rows;
    parts::FullTitleOverlay overlay;
    parts::ArrowRepeat repeat;
};

namespace {

constexpr int tenSeconds = 10000;
constexpr std::size_t pageStartsShown = 5;

const PlayerTraits players[] = {
    {.name = "frm2",
     .background = "Image1",
     .exitCorner = "m9",
     .animationTarget = "Label5",
     .pressedBar = "Image13",
     .loadPageLabel = "Label4",
     .drawPageLabel = "Label25",
     .elapsed = {"Label7", "Label8", "Label9"},
     .length = {"Label10", "Label11", "Label22"},
     .layout = {.lines = 10, .linePitch = 25, .bandPitch = 52, .bandHeight = 52, .whiteMarker = true},
     .pageLimit = tourPageLimit,
     .contents = true,
     .followsFromCreation = false,
     .variantFromKind = true,
     .endsAndTens = Resume::standard,
     .pageUp = Resume::standard,
     .pageDown = Resume::standard,
     .tenNextStrictlyAfter = false,
     .variants = tourVariants()},
    {.name = "frm8",
     .background = "m1",
     .exitCorner = "m2",
     .animationTarget = "Label2",
     .pressedBar = "Image1",
     .loadPageLabel = "Label4",
     .drawPageLabel = "Label11",
     .elapsed = {"Label7", "Label6", "Label5"},
     .length = {"Label10", "Label9", "Label8"},
     .layout = {.lines = 8, .linePitch = 32, .bandPitch = 32, .bandHeight = 35, .whiteMarker = false},
     .pageLimit = storyPageLimit,
     .contents = false,
     .followsFromCreation = true,
     .variantFromKind = false,
     .endsAndTens = Resume::playIfStopped,
     .pageUp = Resume::noPlayIfStopped,
     .pageDown = Resume::onlyIfPlaying,
     .tenNextStrictlyAfter = true,
     .variants = storyVariants()},
};

using Transport = PlayerScreen::Transport;

constexpr std::pair<std::string_view, Transport> transportButtons[] = {
    {"Image6", Transport::pause},    {"Image5", Transport::play},      {"Image8", Transport::tenBack},
    {"Image11", Transport::tenNext}, {"Image12", Transport::first},    {"Image7", Transport::last},
    {"Image4", Transport::pageDown}, {"Image3", Transport::pageUp},
};

const PlayerVariant& chosenVariant(const PlayerTraits& traits) {
    const int chosen = traits.variantFromKind ? (un4().selectedKind == 2 ? 2 : 1) : un4().playerVariant;
    const bool known = chosen >= 1 && std::size_t(chosen) <= traits.variants.size();
    return traits.variants[known ? std::size_t(chosen) - 1 : 0];
}

TimeLabels timeLabels(shell::Screen& screen, const std::array<std::string_view, 3>& names) {
    return {shell::component<ui::Label>(screen, names[0]), shell::component<ui::Label>(screen, names[1]),
            shell::component<ui::Label>(screen, names[2])};
}

}  // namespace

PlayerScreen::PlayerScreen(const PlayerTraits& traits, shell::Screen& opener)
    : Screen(*designs::findDesign(traits.name),
             {.background = traits.background,
              .animationTarget = traits.animationTarget,
              .animationSet = chosenVariant(traits).animationSet,
              .track = {}},
             &opener),
      player_(traits),
      variant_(chosenVariant(traits)),
      panel_(get<ui::Label>("l0"), background(), traits.layout, zeroAdvanceCodes_),
      elapsed_(timeLabels(*this, traits.elapsed)),
      length_(timeLabels(*this, traits.length)),
      watch_(*timer("t11"), [this] { Activate(); }),
      redrawAfterOpening_(*this, [this] { drawPage(); }) {
    for (const auto& [name, operation] : transportButtons) {
        auto& button = get<ui::Picture>(name);
        button.onClick = [this, op = operation](ui::Widget&) { transport(op); };
        button.onMouseDown = [this, &button](ui::Widget&, ui::MouseButton b, unsigned, int, int) {
            pressLook(button, b, true);
        };
        button.onMouseUp = [this, &button](ui::Widget&, ui::MouseButton b, unsigned, int, int) {
            pressLook(button, b, false);
        };
    }
    get<ui::Label>(traits.loadPageLabel).onClick = [this](ui::Widget&) { loadPage(); };
    get<ui::Label>(traits.drawPageLabel).onClick = [this](ui::Widget&) { drawPage(); };
    timer("Timer1")->onTimer = [this](ui::Timer&) { Follow(); };
    setExitCorner("Label12", traits.exitCorner);
    background().onMouseMove = [this](ui::Widget&, unsigned, int, int) {
        unlightExit();
        if (contents_) contents_->overlay.hide();
    };
    if (traits.contents) {
        contents_ = std::make_unique<ContentsRows>(*this, *timer("t2"), get<ui::Label>("labcamov"));
        parts::ListRows& rows = contents_->rows;
        rows.setMarking(parts::yellow, parts::white);
        rows.keepMaxTopAtLeastZero();
        rows.setRowHandlers([this](ui::Label& row) { jumpToEntry(row); },
                            [this](ui::Label& row) { contents_->overlay.show(row); });
        contents_->repeat.addArrow(get<ui::Label>("luptrs"), 1, get<ui::Picture>("Image10"), [&rows] { rows.lineUp(); });
        contents_->repeat.addArrow(get<ui::Label>("ldntrs"), 2, get<ui::Picture>("Image9"), [&rows] { rows.lineDown(); });
        for (std::string_view name : {"luptrs", "ldntrs"})
            find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) {
                unlightExit();
                contents_->overlay.hide();
            };
    }
    onShow = [this, centre = onShow](ui::Widget& w) {
        if (openFailed_ != 0) {
            exitScreen();
            return;
        }
        centre(w);
        FormShow();
    };
    onActivate = [this](ui::Widget&) { Activate(); };
    describeScreen = [this](nlohmann::json& screen) { describeState(screen); };
    showsText([this] { return withoutWhiteMarks(pageLines_); });
    ui::app().handle([this] { FormCreate(); });
}

PlayerScreen::~PlayerScreen() {
    if (shell::Backdrop* frm17 = shell::Frm17().get()) frm17->Med1().setAutoRewind(true);
}

media::MediaDevice& PlayerScreen::med() { return shell::backdrop().Med1(); }

void PlayerScreen::FormCreate() {
    med().setAutoRewind(false);
    if (variant_.background) shell::setPictureFromModule(background(), "data3\\qem006.dat", variant_.background);
    if (contents_) contents_->overlay.park();
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    if (!player_.contents) {
        const int title = un4().playerVariant - 1;
        const bool known = title >= 0 && std::size_t(title) < un4().playerTitles.size();
        get<ui::Label>("Label3").setCaption(known ? un4().playerTitles[std::size_t(title)] : std::string());
    }
    loadTexts();
    openNarration();
}

void PlayerScreen::loadTexts() {
    const auto pageIndex = content::WholeTextFile::load(variant_.pageIndex);
    pageText_ = content::WholeTextFile::load(variant_.pageText);
    pages_ = readPageIndex(pageIndex, player_.pageLimit);
    if (!variant_.contentsIndex) return;
    const auto contentsIndex = content::WholeTextFile::load(variant_.contentsIndex);
    contentsText_ = content::WholeTextFile::load(variant_.contentsText);
    entries_ = readContentsIndex(contentsIndex, contentsLimit);
}

void PlayerScreen::openNarration() {
    const auto fail = [this] {
        openFailed_ = -1;
        ui::app().messageBox(this, "error", std::string(media::mediaFailureText));
    };
    if (!content::fileExists(variant_.narration)) return fail();
    try {
        med().setFileName(variant_.narration);
        med().open();
    } catch (const media::MediaError&) {
        return fail();
    }
    const std::int32_t length = med().length();
    for (const PageRecord& page : pages_) pageStarts_.push_back(startPoint(page.mark, length, variant_.markDivisor));
    // A page index without a whole record leaves one empty page rather than none.
    lastPage_ = std::max(int(pages_.size()) - 1, 0);
    currentPage_ = 0;
    get<ui::Label>("Label15").setCaption("1");
    if (contents_) {
        std::vector<std::string> captions;
        std::vector<int> tags;
        for (const ContentsRecord& entry : entries_) {
            contentsStarts_.push_back(startPoint(entry.mark, length, variant_.markDivisor));
            captions.push_back(contentsCaption(contentsText_, entry));
            tags.push_back(int(tags.size()));
        }
        contents_->rows.setEntries(std::move(captions), std::move(tags));
        un4().listTop = 0;
        contents_->rows.refresh();
    }
    if (player_.followsFromCreation) length_.show(length);
    loadPage();
}

void PlayerScreen::FormShow() {
    if (contents_) {
        get<ui::Picture>("Image10").sendToBack();
        get<ui::Picture>("Image9").sendToBack();
    }
    med().play();
    loadPage();
    redrawAfterOpening_.arm();
}

void PlayerScreen::Activate() {
    activateStandard();
    watch_.activated();
    drawPage();
    if (player_.followsFromCreation) return;
    length_.show(med().length());
    timer("Timer1")->setEnabled(true);
}

void PlayerScreen::Follow() {
    wasPlaying_ = false;
    const std::int32_t position = med().position();
    if (currentPage_ < lastPage_ && position >= pageStart(currentPage_ + 1)) updateToPage(currentPage_ + 1);
    elapsed_.show(position);
}

std::int32_t PlayerScreen::pageStart(int page) const {
    return page >= 0 && std::size_t(page) < pageStarts_.size() ? pageStarts_[std::size_t(page)] : 0;
}

void PlayerScreen::loadPage() {
    const bool known = currentPage_ >= 0 && std::size_t(currentPage_) < pages_.size();
    pageLines_ = known ? pageLines(pageText_, pages_[std::size_t(currentPage_)]) : std::vector<std::string>{};
}

void PlayerScreen::drawPage() { panel_.draw(pageLines_); }

void PlayerScreen::updateToPage(int page) {
    currentPage_ = page;
    get<ui::Label>("Label15").setCaption(std::to_string(page + 1));
    loadPage();
    drawPage();
}

void PlayerScreen::transport(Transport operation) {
    media::MediaDevice& device = med();
    const std::int32_t position = device.position();
    switch (operation) {
    case Transport::play:
        device.play();
        break;
    case Transport::pause:
        if (device.mode() == media::playing) device.pause();
        break;
    case Transport::first:
        get<ui::Label>("Label15").setCaption("1");
        jump(0, player_.endsAndTens, currentPage_ > 0 ? 0 : -1);
        break;
    case Transport::last:
        get<ui::Label>("Label15").setCaption(std::to_string(lastPage_ + 1));
        jump(pageStart(lastPage_), player_.endsAndTens, currentPage_ < lastPage_ ? lastPage_ : -1);
        break;
    case Transport::tenBack: {
        const std::int32_t target = std::max(position - tenSeconds, 0);
        jump(target, player_.endsAndTens, target < pageStart(currentPage_) ? std::max(currentPage_ - 1, 0) : -1);
        break;
    }
    case Transport::tenNext: {
        const std::int32_t target = std::min(position + tenSeconds, device.length());
        if (currentPage_ == lastPage_) {
            jump(target, player_.endsAndTens == Resume::standard ? Resume::noPlayIfStopped : player_.endsAndTens);
            break;
        }
        const std::int32_t next = pageStart(currentPage_ + 1);
        const bool turns = player_.tenNextStrictlyAfter ? target > next : target >= next;
        jump(target, player_.endsAndTens, turns ? currentPage_ + 1 : -1);
        break;
    }
    case Transport::pageDown:
        if (currentPage_ != lastPage_) jump(pageStart(currentPage_ + 1), player_.pageDown, currentPage_ + 1);
        break;
    case Transport::pageUp:
        if (currentPage_ != 0) jump(pageStart(currentPage_ - 1), player_.pageUp, currentPage_ - 1);
        break;
    }
}

void PlayerScreen::jump(std::int32_t target, Resume how, int pageAfter) {
    media::MediaDevice& device = med();
    if (device.mode() == media::playing) {
        device.pause();
        wasPlaying_ = true;
    }
    device.setFrom(target);
    if (pageAfter >= 0) updateToPage(pageAfter);
    resume(how);
}

void PlayerScreen::resume(Resume how) {
    media::MediaDevice& device = med();
    const bool playing = std::exchange(wasPlaying_, false);
    if (how == Resume::onlyIfPlaying) {
        if (playing) device.play();
        return;
    }
    if (playing || (how == Resume::playIfStopped && device.mode() == media::stopped)) {
        device.play();
    } else {
        device.play();
        device.pause();
    }
    if (how == Resume::standard && device.mode() == media::stopped) device.play();
}

void PlayerScreen::jumpToEntry(ui::Label& row) {
    parts::ListRows& rows = contents_->rows;
    rows.mark(row);
    row.repaint();
    gfx::FontSpec overlayFont = get<ui::Label>("labcamov").font();
    overlayFont.color = parts::white;
    get<ui::Label>("labcamov").setFont(overlayFont);
    const std::size_t entry = std::size_t(row.tag);
    // A contents entry that names no page of the narration shows the nearest page there is.
    updateToPage(std::clamp(entries_[entry].page - 1, 0, lastPage_));
    media::MediaDevice& device = med();
    if (device.mode() == media::playing) {
        device.pause();
        wasPlaying_ = true;
    }
    device.setFrom(contentsStarts_[entry]);
    resume(Resume::playIfStopped);
}

void PlayerScreen::pressLook(ui::Picture& button, ui::MouseButton mouse, bool down) {
    if (mouse != ui::MouseButton::left) return;
    if (down) {
        pressed_ = &button;
        shell::copyLitLook(button, get<ui::Picture>(player_.pressedBar));
        button.repaint();
    } else if (ui::Picture* pressed = pressed_.get()) {
        pressed->clear();
        pressed_ = nullptr;
    }
}

void PlayerScreen::describeState(nlohmann::json& screen) const {
    screen["currentPage"] = currentPage_;
    screen["lastPage"] = lastPage_;
    screen["pageStarts"] = std::vector<std::int32_t>(
        pageStarts_.begin(), pageStarts_.begin() + std::ptrdiff_t(std::min(pageStarts_.size(), pageStartsShown)));
    nlohmann::json lines = nlohmann::json::array();
    for (const std::string& line : pageLines_) lines.push_back(ui::hexBytes(line));
    screen["pageLines"] = lines;
    screen["elapsed"] = elapsed_.captions();
    screen["length"] = length_.captions();
    screen["wasPlaying"] = wasPlaying_;
    screen["openFailed"] = openFailed_;
    screen["activated"] = watch_.isActivated();
    screen["pressed"] = pressed_ ? nlohmann::json(pressed_->name()) : nlohmann::json();
    if (!contents_) return;
    screen["selectedEntry"] = contents_->rows.markedTag();
    ui::Label* lit = contents_->rows.markedRow();
    screen["litRow"] = lit ? nlohmann::json(lit->name()) : nlohmann::json();
    screen["listTop"] = un4().listTop;
    screen["maxTop"] = contents_->rows.maxTop();
    screen["repeatDir"] = contents_->repeat.direction();
    const auto expanded = contents_->overlay.expandedLine();
    screen["expandedLine"] = expanded ? nlohmann::json(*expanded) : nlohmann::json();
    std::vector<int> pages;
    for (const ContentsRecord& e : entries_) pages.push_back(e.page);
    screen["contentsPage"] = pages;
    screen["contentsStart"] = contentsStarts_;
}

shell::Screen* createPlayer(std::string_view name, shell::Screen& opener) {
    for (const PlayerTraits& p : players)
        if (p.name == name) return &ui::app().create<PlayerScreen>(p, opener);
    return nullptr;
}

}  // namespace vemra::media_screens
