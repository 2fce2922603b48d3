#include "kit/screen_names.h"

#include <algorithm>

#include "title/navigation_map.h"

namespace vemra::kit {

namespace {

struct Name {
    std::string_view window;
    std::string_view persian;
};

constexpr Name names[] = {
    {"frm1", "منوی اصلی"},       {"frm9", "مقاله‌ها"},          {"frm23", "فهرست‌های مقاله"},
    {"frm10", "فهرست یکم"},      {"frm22", "فهرست دوم"},        {"frm21", "فهرست سوم"},
    {"frm11", "فهرست چهارم"},    {"frm12", "فهرست پنجم"},       {"frm19", "مقاله"},
    {"frm24", "روایت‌ها"},        {"frm2", "روایت"},             {"frm26", "نگارخانه‌ها"},
    {"frm27", "نگارخانهٔ یکم"},   {"frm29", "نگارخانهٔ دوم"},     {"frm28", "نگارخانهٔ سوم"},
    {"frm7", "داستان‌ها"},        {"frm8", "داستان"},            {"frm5", "مکان‌ها"},
    {"frm20", "مقالهٔ هفت‌بخشی"}, {"frm30", "آلبوم"},             {"frm31", "فیلم‌ها"},
    {"frm18", "خواندنی‌ها"},      {"frm33", "بخش دوم"},          {"frm34", "زیرفهرست"},
    {"frm36", "متن"},            {"Frm14", "دربارهٔ مرکز"},      {"frm32", "نام‌ها"},
    {"frm15", "دربارهٔ برنامه"},  {"sear", "جستجو"},
};

// The secondary menu's two items that open the title list name what that list holds.
struct ItemName {
    std::string_view target;
    int tag;
    std::string_view persian;
};
constexpr ItemName itemNames[] = {{"frm35", 10, "پرسش‌ها"}, {"frm35", 12, "دوره‌ها"}};

}  // namespace

std::string_view screenName(std::string_view window) {
    const auto it = std::ranges::find(names, window, &Name::window);
    return it == std::end(names) ? std::string_view{} : it->persian;
}

std::string hotspotWords(std::string_view window, const designs::ComponentDesign& component) {
    const auto links = title::navigationMap();
    const auto link = std::ranges::find_if(
        links, [&](const shell::Link& l) { return l.opener == window && l.trigger == component.name; });
    if (link == links.end()) return {};
    for (const ItemName& item : itemNames)
        if (item.target == link->target && item.tag == component.tag) return std::string(item.persian);
    const auto sameTarget = std::ranges::count_if(
        links, [&](const shell::Link& l) { return l.opener == window && l.target == link->target; });
    std::string words(screenName(link->target));
    if (sameTarget > 1 && !words.empty()) words += " " + std::to_string(component.tag);
    return words;
}

}  // namespace vemra::kit
