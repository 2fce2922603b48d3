#pragma once

// The demo tree's Persian texts about a fictional cultural centre, in reading order (UTF-8). Each
// screen's generator breaks the paragraphs into display lines that fit that screen; a paragraph
// always starts a new line, so short paragraphs give lines that are known in advance.

#include <array>
#include <string_view>
#include <vector>

namespace vemra::kit::corpus {

using Paragraphs = std::vector<std::string_view>;

struct FourPartArticle {
    std::string_view title;
    std::array<Paragraphs, 4> parts;
};

struct SevenPartArticle {
    std::string_view title;
    std::array<Paragraphs, 7> parts;  // an empty part cannot be picked
};

struct TitledText {
    std::string_view title;
    Paragraphs text;
};

// The five article lists, in the order of their section records (6 to 10): 8, 3, 20, 4 and 5
// articles.
const std::vector<std::vector<FourPartArticle>>& articleLists();
// The index of the place screen (section record 4).
const std::vector<SevenPartArticle>& sevenPartArticles();

// The titles and texts of the reading screen of the main menu.
const std::vector<TitledText>& readingTexts();
// The 21 place texts of the place screen, in the order of their place records.
const std::vector<Paragraphs>& placeTexts();

// The one-text screens of the secondary branch, for kinds 1 to 11.
const std::vector<Paragraphs>& serviceTexts();
// The two list screens of the secondary branch: the courses (kind 12) and the questions (kind 0).
const std::vector<TitledText>& courseTexts();
const std::vector<TitledText>& questionTexts();

struct NarrationPage {
    std::string_view heading;  // a line drawn white on the tour player; empty for none
    Paragraphs text;
};

struct ContentsEntry {
    std::string_view caption;
    int page;  // from 1
};

struct Narration {
    std::string_view title;
    std::vector<NarrationPage> pages;
    std::vector<ContentsEntry> contents;  // only the tour player has contents
};

// The tour player's two narrations, and the six stories of the second player in the order of its
// variants 1 to 6.
const std::vector<Narration>& tourNarrations();
const std::vector<Narration>& storyNarrations();

struct GalleryPicture {
    std::string_view title;
    int soundCount;  // its sounds follow those of the pictures before it
};

struct Gallery {
    std::vector<GalleryPicture> pictures;
    Paragraphs soundNames;  // the gallery's sounds are named by these in turn, each with its number
};

// The three galleries in the order of their section records (1 to 3); their pictures are numbered
// in this order from 1.
const std::vector<Gallery>& galleries();

struct AlbumEntry {
    std::string_view title;
    int pictureCount;  // its pictures follow those of the entries before it
};

const std::vector<AlbumEntry>& albumEntries();
const std::vector<std::string_view>& clipTitles();
// The names screen: roles and names, 20 lines.
const std::vector<std::string_view>& names();

}  // namespace vemra::kit::corpus
