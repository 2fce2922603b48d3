#include "app/first_run_screen.h"

#include <nlohmann/json.hpp>

#include "content/title_probe.h"
#include "platform/gfx/bidi.h"
#include "platform/ui/application.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/timer.h"

namespace vemra::app {

namespace {

using namespace std::chrono_literals;

constexpr gfx::Color background{28, 36, 52};
constexpr gfx::Color textColour{236, 236, 236};
constexpr gfx::Color quietColour{160, 170, 186};
constexpr gfx::Color noteColour{255, 214, 102};
constexpr int margin = 20;
constexpr int lineWidth = 640 - 2 * margin;
constexpr int tickMs = 250;
constexpr int ticksPerLook = 12;                 // every 3 s: a disc inserted meanwhile appears
constexpr auto firstLookLimit = 300ms;           // the window waits this long for the first results
constexpr auto answerLimit = 2s;                 // a place slower than this is named as not answering
constexpr const char* cannotPlay = "این را نمی‌توان پخش کرد.";

// The screen's fixed lines: Persian ones set from the right, English ones from the left.
struct TextLine {
    int top;
    int height;
    bool persian;
    const char* text;
};

constexpr TextLine textLines[] = {
    {14, 24, false, "vemra"},
    {18, 16, true, "پخش عنوان"},
    {52, 14, true, "این صفحه از خود برنامه‌ی vemra است، نه یکی از صفحه‌های عنوان."},
    {72, 13, false, "This screen is vemra's own, not one of the title's screens."},
    {102, 14, true, "عنوانی را برگزینید و با کلیک یا Enter پخش کنید؛ یا دیسک عنوان را بگذارید،"},
    {122, 14, true, "یا پوشه یا ایمیج دیسک آن را روی این پنجره رها کنید."},
    {144, 13, false, "Click a title (or press Enter) to play it, insert the title's disc,"},
    {162, 13, false, "or drop the title's folder or disc image onto this window."},
};

constexpr gfx::Rect listArea{margin, 192, lineWidth, 178};
constexpr int rowHeight = 22;

gfx::FontSpec fallbackFont(int height, gfx::Color colour) { return {.face = "DejaVu Sans", .height = height, .color = colour}; }

ui::Label& addLine(ui::Window& window, std::string name, int top, int height, bool persian, gfx::Color colour) {
    auto& label = window.add<ui::Label>(std::move(name));
    label.setTransparent(true);
    label.setFont(fallbackFont(height, colour));
    label.setBounds({margin, top, lineWidth, height + 8});
    label.setAlignment(persian ? ui::Alignment::right : ui::Alignment::left);
    return label;
}

// A folder as a shell writes it, with the home folder as ~.
std::string shortFolder(const std::filesystem::path& folder) {
    const std::string homePrefix = homeFolder().string();
    const std::string path = folder.string();
    if (!homePrefix.empty() && path.starts_with(homePrefix) && (path.size() == homePrefix.size() || path[homePrefix.size()] == '/'))
        return "~" + path.substr(homePrefix.size());
    return path;
}

std::string placeList(const std::vector<TitlePlace>& places) {
    std::string list;
    for (const auto& p : places) list += (list.empty() ? "" : ", ") + shortFolder(p.folder);
    return list;
}

}  // namespace

FirstRunScreen::FirstRunScreen(std::vector<TitlePlace> places, Note note, Play play)
    : ui::Window("firstRun", "TFirstRun"), search_(std::move(places)), play_(std::move(play)) {
    caption = "vemra";
    color = background;
    setClientSize(640, 480);
    buildText();
    setNote(std::move(note));

    search_.waitFor(firstLookLimit);
    refresh();
    auto& timer = addTimer("look", tickMs);
    timer.onTimer = [this](ui::Timer&) {
        if (++ticks_ % ticksPerLook == 0) search_.lookAgain();
        refresh();
    };
    onDrop = [this](ui::Window&, const std::string& path) { tryToPlay(path); };
    onShow = [this](ui::Widget&) {
        const gfx::Size d = ui::app().displaySize();
        setPosition((d.width - clientWidth()) / 2, (d.height - clientHeight()) / 2);
        setFocusedControl(list_);
    };
    onClose = [](ui::Window& w, ui::CloseAction&) { w.release(); };
    copyText = [this] {
        std::string text;
        for (const auto& line : textLines) text += std::string(line.text) + "\n";
        for (const auto& row : rows_) text += row.location.string() + "\n";
        return text + note_.persian + "\n" + note_.english;
    };
    describeScreen = [this](nlohmann::json& screen) {
        screen["titles"] = nlohmann::json::array();
        for (const auto& row : rows_)
            screen["titles"].push_back({{"name", row.name}, {"location", row.location.string()}, {"where", row.where.string()},
                                        {"image", row.image}});
        screen["note"] = note_.english;
        screen["status"] = status_->caption();
    };
}

void FirstRunScreen::buildText() {
    for (std::size_t i = 0; i < std::size(textLines); ++i) {
        const auto& line = textLines[i];
        auto& label = addLine(*this, "line" + std::to_string(i), line.top, line.height, line.persian,
                              i == 0 ? gfx::Color{255, 255, 255} : textColour);
        label.setCaption(gfx::visualLine(line.text));
    }
    auto& list = add<ui::ListBox>("titles");
    list.setBounds(listArea);
    list.setItemHeight(rowHeight);
    list.setFont(fallbackFont(13, textColour));
    list.setColor({40, 50, 70});
    list.onDrawItem = [this](ui::ListBox&, int index, gfx::Canvas& canvas, gfx::Rect r, bool selected) {
        const FoundTitle& row = rows_[std::size_t(index)];
        canvas.fillRect(r, selected ? gfx::Color{70, 110, 170} : gfx::Color{40, 50, 70});
        canvas.state().brushClear = true;
        canvas.font() = fallbackFont(13, textColour);
        canvas.textOut(r.left + 6, r.top + 3, gfx::visualLine(row.name));
        canvas.font() = fallbackFont(12, quietColour);
        canvas.textOut(r.left + 230, r.top + 4, row.image ? "disc image" : "folder");
        canvas.textOut(r.left + 320, r.top + 4, gfx::visualLine(shortFolder(row.where)));
    };
    list.onMouseUp = [this](ui::Widget&, ui::MouseButton button, unsigned, int, int) {
        if (button == ui::MouseButton::left) playSelected();
    };
    list.onKeyDown = [this](ui::Widget&, int& key, unsigned) {
        if (key == ui::vk::enter) playSelected();
    };
    list_ = &list;
    status_ = &addLine(*this, "status", 374, 12, false, quietColour);
    persianNote_ = &addLine(*this, "notePersian", 398, 13, true, noteColour);
    englishNote_ = &addLine(*this, "note", 418, 12, false, noteColour);
    addLine(*this, "places", 446, 11, false, quietColour)
        .setCaption(gfx::visualLine("Looks in " + placeList(search_.places()) + ", every few seconds."));
}

void FirstRunScreen::refresh() {
    if (search_.generation() != shownGeneration_) {
        shownGeneration_ = search_.generation();
        rows_ = search_.found();
        std::vector<std::string> items;
        for (const auto& row : rows_) items.push_back(row.location.string());
        list_->setItems(std::move(items));
        if (!rows_.empty()) list_->setItemIndex(0);
    }
    showStatus();
}

void FirstRunScreen::showStatus() {
    std::string status = rows_.empty() ? "No title found yet." : rows_.size() == 1 ? "1 title found." : std::to_string(rows_.size()) + " titles found.";
    if (const auto slow = search_.notAnswering(answerLimit); !slow.empty()) {
        status += " Not answering:";
        for (const auto& place : slow) status += " " + place.string();
    }
    if (status != status_->caption()) status_->setCaption(status);
}

void FirstRunScreen::setNote(Note note) {
    note_ = std::move(note);
    persianNote_->setCaption(gfx::visualLine(note_.persian));
    englishNote_->setCaption(gfx::visualLine(note_.english));
}

void FirstRunScreen::playSelected() {
    const int index = list_->itemIndex();
    if (index >= 0 && std::size_t(index) < rows_.size()) tryToPlay(rows_[std::size_t(index)].location);
}

void FirstRunScreen::tryToPlay(const std::filesystem::path& location) {
    if (chosen_) return;
    if (const auto probe = content::probeLocation(location); !probe.holdsTitle) return setNote({cannotPlay, probe.why});
    if (const auto problem = play_(location)) return setNote({cannotPlay, *problem});
    chosen_ = location;
    release();
}

}  // namespace vemra::app
