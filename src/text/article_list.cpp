#include "text/article_list.h"

#include <nlohmann/json.hpp>

#include "platform/ui/application.h"
#include "platform/ui/hex.h"
#include "shell/navigation.h"
#include "shell/un4.h"
#include "text/section_entries.h"

namespace vemra::text {

using shell::un4;

namespace {

const ArticleListMember members[] = {
    {"frm10", 0, 6, 15, "data1\\11.dat"}, {"frm22", 1, 7, 13, "data1\\10.dat"}, {"frm21", 2, 8, 9, "data1\\09.dat"},
    {"frm11", 3, 9, 6, "data1\\04.dat"},  {"frm12", 4, 10, 19, "data1\\14.dat"},
};

nlohmann::json hexLines(const std::vector<std::string>& lines) {
    nlohmann::json out = nlohmann::json::array();
    for (const auto& line : lines) out.push_back(ui::hexBytes(line));
    return out;
}

}  // namespace

std::span<const ArticleListMember> articleListMembers() { return members; }

ArticleList::ArticleList(const ArticleListMember& member, shell::Screen& opener)
    : Screen(*designs::findDesign(member.name), {.animationSet = member.animationSet, .track = member.track}, &opener),
      member_(member),
      rows_(parts::labelsNamed(*this, parts::eightRowNames), un4().listTop),
      overlay_(get<ui::Label>("labcamov")),
      repeat_(*timer("t2")) {
    un4().zeroAdvanceCodes = gfx::standardZeroAdvanceCodes();
    rows_.setRowHandlers([this](ui::Label& row) { openArticle(row); }, [this](ui::Label& row) { overlay_.show(row); });
    repeat_.addArrow(get<ui::Label>("luptrs"), 1, get<ui::Picture>("Image2"), [this] { rows_.lineUp(); });
    repeat_.addArrow(get<ui::Label>("ldntrs"), 2, get<ui::Picture>("Image3"), [this] { rows_.lineDown(); });
    for (std::string_view name : {"m1", "luptrs", "ldntrs"})
        find(name)->onMouseMove = [this](ui::Widget&, unsigned, int, int) { hideFullTitle(); };
    setExitCorner();
    get<ui::Picture>("Image1").onClick = [this](ui::Widget&) { openSearch(); };
    afterShowing([this] { FormShow(); });
    describeScreen = [this](nlohmann::json& screen) {
        screen["listTop"] = un4().listTop;
        screen["maxTop"] = rows_.maxTop();
        screen["repeatDir"] = repeat_.direction();
        screen["expandedLine"] = overlay_.expandedLine() ? nlohmann::json(*overlay_.expandedLine()) : nlohmann::json();
        screen["listLines"] = hexLines(rows_.lines());
        screen["lineArticle"] = rows_.tags();
    };
}

ArticleList::~ArticleList() {
    if (un4().searchLines != &rows_.lines()) return;
    un4().searchLines = nullptr;
    un4().searchRefresh = nullptr;
}

void ArticleList::FormShow() {
    get<ui::Picture>("Image2").sendToBack();
    get<ui::Picture>("Image3").sendToBack();
    rows_.refresh();  // no entries yet: a list that fails to build leaves every row hidden
    buildList();
}

void ArticleList::buildList() {
    un4().selectedKind = member_.sectionCode;
    un4().articleIndex = member_.sectionRecord;
    SectionEntries section = sectionEntries(member_.sectionRecord);
    rows_.setEntries(std::move(section.titles), std::move(section.articles));
    un4().listTop = 0;
    rows_.refresh();
}

void ArticleList::resetListState() {
    overlay_.park();
    repeat_.reset();
}

void ArticleList::hideFullTitle() {
    unlightExit();
    overlay_.hide();
}

void ArticleList::openArticle(ui::Label& row) {
    timer("tr1")->setEnabled(false);
    un4().articleTitle = row.caption();
    un4().articleIndex = row.tag;
    if (shell::Screen* article = shell::navigation().create("frm19", *this)) openScreen(*article, true);
}

void ArticleList::openSearch() {
    un4().searchLines = &rows_.lines();
    un4().searchRefresh = [list = ui::Ref<ArticleList>(this)] {
        if (list) list->rows_.refresh();
    };
    shell::navigation().openModal("sear", *this);
    repaint();
}

shell::Screen* createArticleList(std::string_view name, shell::Screen& opener) {
    for (const ArticleListMember& m : members)
        if (m.name == name) return &ui::app().create<ArticleList>(m, opener);
    return nullptr;
}

}  // namespace vemra::text
