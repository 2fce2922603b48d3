#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/title_search.h"
#include "platform/ui/window.h"

namespace vemra::ui {
class ListBox;
class Label;
}  // namespace vemra::ui

namespace vemra::app {

// The program's own screen for a start with no content: the titles it found in the usual places
// (updated as discs come and go), to play with a click or Enter, and a drop target for a title's
// folder or disc image. `play` opens a location and says why it cannot, or nothing; once it has
// opened one the screen releases itself, which ends its loop.
class FirstRunScreen : public ui::Window {
public:
    using Play = std::function<std::optional<std::string>(const std::filesystem::path&)>;

    // A note for the user above the list, in Persian and in English (both may be empty).
    struct Note {
        std::string persian;
        std::string english;
    };

    FirstRunScreen(std::vector<TitlePlace> places, Note note, Play play);

    // The location that was opened, once one was.
    const std::optional<std::filesystem::path>& chosen() const { return chosen_; }

private:
    void buildText();
    void refresh();
    void showStatus();
    void setNote(Note note);
    void tryToPlay(const std::filesystem::path& location);
    void playSelected();

    TitleSearch search_;
    Play play_;
    std::vector<FoundTitle> rows_;
    std::uint64_t shownGeneration_ = 0;
    int ticks_ = 0;
    Note note_;
    std::optional<std::filesystem::path> chosen_;
    ui::ListBox* list_ = nullptr;
    ui::Label* status_ = nullptr;
    ui::Label* persianNote_ = nullptr;
    ui::Label* englishNote_ = nullptr;
};

}  // namespace vemra::app
