#pragma once

#include <span>
#include <string_view>

#include "parts/arrow_repeat.h"
#include "parts/full_title_overlay.h"
#include "parts/list_rows.h"
#include "shell/screen.h"

namespace vemra::text {

// What tells the five article lists apart.
struct ArticleListMember {
    std::string_view name;
    int sectionCode;    // `selectedKind` while this list is current
    int sectionRecord;  // its record in the section ranges
    int animationSet;
    const char* track;
};

std::span<const ArticleListMember> articleListMembers();

// The five article list screens `frm10`, `frm11`, `frm12`, `frm21` and `frm22`: the titles of one
// section in eight rows with line arrows, auto-repeat and the full-title overlay; a click on a
// title opens the article screen. One design, told apart by a table of members.
class ArticleList : public shell::Screen {
public:
    ArticleList(const ArticleListMember& member, shell::Screen& opener);
    ~ArticleList() override;

private:
    void FormShow();
    void buildList();
    void openArticle(ui::Label& row);
    void openSearch();
    // The mouse over the background or an arrow: the exit and the overlay go out.
    void hideFullTitle();
    void resetListState() override;

    const ArticleListMember& member_;
    parts::ListRows rows_;
    parts::FullTitleOverlay overlay_;
    parts::ArrowRepeat repeat_;
};

// Creates the article list `name` above `opener`, or returns null when `name` is none of them.
shell::Screen* createArticleList(std::string_view name, shell::Screen& opener);

}  // namespace vemra::text
