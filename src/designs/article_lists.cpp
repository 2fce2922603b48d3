#include "designs/building_blocks.h"
#include "designs/windows.h"

// The five article lists share one design and differ in the places of their rows, arrows, search
// button and corner animation area, and frm10 in its width.
namespace vemra::designs::windows {

namespace {

struct ArticleList {
    int width;                          // client width; every list is 479 high
    gfx::Point rows;                    // left and top of the first of the eight rows
    int rowHeight;                      // rows are 175 wide at a pitch of 30
    gfx::Point up, down;                // luptrs (34 × 30), ldntrs (31 × 33)
    gfx::Point upPressed, downPressed;  // Image2, Image3 (21 × 19)
    gfx::Point search;                  // Image1 (63 × 63)
    gfx::Rect animation;                // Label1
};

constexpr std::array<std::string_view, 8> rowNames{"Label2", "Label3", "Label4", "Label5",
                                                   "Label6", "Label7", "Label8", "Label9"};

constexpr auto articleListComponents(const ArticleList& l) {
    const gfx::Size client{l.width, 479};
    ComponentList<23> list;
    list.add(transparentLabel("Labm", fill(client)));
    list.add(artPicture("m9", {490, 400, 150, 80}));
    list.add(artPicture("Image2", {l.upPressed.x, l.upPressed.y, 21, 19}));
    list.add(artPicture("Image3", {l.downPressed.x, l.downPressed.y, 21, 19}));
    list.add(artPicture("m1", fill(client)));
    ComponentDesign row = textLabel({}, {l.rows.x, l.rows.y, 175, l.rowHeight}, naskeFont(32), Align::right);
    row.cursor = listCursor;
    list.addRows(rowNames, row, 30);
    list.add(invisibleLabel("Laev1", {336, 200, 30, 17}));
    list.add(invisibleLabel("lablst1", {348, 176, 29, 25}));
    list.add(arrowLabel("luptrs", {l.up.x, l.up.y, 34, 30}, "line up"));
    list.add(arrowLabel("ldntrs", {l.down.x, l.down.y, 31, 33}, "line down"));
    list.add({.name = "Image1", .rect = {l.search.x, l.search.y, 63, 63}, .cursor = hotspotCursor, .artwork = true});
    list.add(transparentLabel("Lout", {586, 411, 52, 67}, hotspotCursor));
    // geometry chosen: not given (only the start is; the width follows the text, the height a row's)
    list.add({.name = "labcamov", .kind = Kind::label, .rect = {416, 8, 175, 34}, .autoSize = true});
    list.add(transparentLabel("Label1", l.animation));
    list.add(timer("t2", 100, false));
    list.add(timer("tr1", 10, false));
    return list.finished();
}

constexpr ArticleList frm10List{639, {415, 109}, 34, {592, 128}, {593, 318}, {598, 132}, {597, 323}, {407, 378},
                                {-1, 1, 269, 145}};
constexpr ArticleList frm22List{642, {87, 155}, 33, {262, 174}, {263, 364}, {268, 179}, {268, 370}, {143, 404},
                                {8, 8, 332, 145}};
constexpr ArticleList frm21List{642, {367, 125}, 35, {542, 145}, {544, 334}, {549, 149}, {550, 341}, {376, 384},
                                {8, 8, 332, 145}};
constexpr ArticleList frm11List{642, {119, 158}, 34, {301, 176}, {302, 366}, {306, 182}, {305, 373}, {238, 406},
                                {2, 0, 217, 145}};
constexpr ArticleList frm12List{642, {415, 140}, 34, {594, 159}, {593, 349}, {598, 164}, {598, 355}, {408, 392},
                                {1, 1, 209, 145}};

constexpr auto frm10Components = articleListComponents(frm10List);
constexpr auto frm22Components = articleListComponents(frm22List);
constexpr auto frm21Components = articleListComponents(frm21List);
constexpr auto frm11Components = articleListComponents(frm11List);
constexpr auto frm12Components = articleListComponents(frm12List);

}  // namespace

extern constexpr WindowDesign frm10{
    .name = "frm10", .className = "Tfrm10", .client = {639, 479}, .components = frm10Components};
extern constexpr WindowDesign frm22{
    .name = "frm22", .className = "Tfrm22", .client = {642, 479}, .components = frm22Components};
extern constexpr WindowDesign frm21{
    .name = "frm21", .className = "Tfrm21", .client = {642, 479}, .components = frm21Components};
extern constexpr WindowDesign frm11{
    .name = "frm11", .className = "Tfrm11", .client = {642, 479}, .components = frm11Components};
extern constexpr WindowDesign frm12{
    .name = "frm12", .className = "Tfrm12", .client = {642, 479}, .components = frm12Components};

}  // namespace vemra::designs::windows
