#include "platform/ui/memo.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "platform/gfx/font.h"
#include "platform/ui/hex.h"
#include "platform/ui/text_alignment.h"

namespace vemra::ui {

namespace {
constexpr std::string_view lineBreak = "\r\n";
}

Memo::Memo(Widget* parent, std::string name) : ScrollingControl(parent, std::move(name)) {}

void Memo::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    topLine_ = scrollFromHome_ = 0;
    selStart_ = selLength_ = 0;
    linesChanged();
}

void Memo::addLine(std::string line) {
    lines_.push_back(std::move(line));
    linesChanged();
}

void Memo::linesChanged() {
    widest_.reset();
    setTopLine(topLine_);
    invalidate();
}

std::string Memo::text() const {
    std::string out;
    out.reserve(std::size_t(textSize()));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) out += lineBreak;
        out += lines_[i];
    }
    return out;
}

void Memo::setText(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; !text.empty();) {
        const std::size_t end = text.find(lineBreak, start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + lineBreak.size();
    }
    setLines(std::move(lines));
}

int Memo::textSize() const {
    std::size_t size = lines_.empty() ? 0 : (lines_.size() - 1) * lineBreak.size();
    for (const auto& line : lines_) size += line.size();
    return int(size);
}

void Memo::setAlignment(Alignment a) {
    alignment_ = a;
    invalidate();
}

void Memo::setScrollBars(ScrollBars s) {
    scrollBars_ = s;
    setTopLine(topLine_);
    invalidate();
}

void Memo::setFont(gfx::FontSpec f) {
    font_ = std::move(f);
    linesChanged();
}

void Memo::setColor(gfx::Color c) {
    color_ = c;
    invalidate();
}

gfx::Rect Memo::textArea() const {
    const gfx::Rect c = contentRect();
    return {c.left + margin, c.top, c.width - 2 * margin, c.height};
}

int Memo::lineHeight() const { return std::max(1, gfx::FontLibrary::shared().font(font_)->lineHeight()); }
int Memo::visibleLines() const { return std::max(1, textArea().height / lineHeight()); }
int Memo::maxTopLine() const { return std::max(0, int(lines_.size()) - visibleLines()); }

int Memo::widestLine() const {
    if (!widest_) {
        const auto f = gfx::FontLibrary::shared().font(font_);
        widest_ = 0;
        for (const auto& line : lines_) widest_ = std::max(*widest_, f->textWidth(line));
    }
    return *widest_;
}

int Memo::maxScrollLeft() const { return std::max(0, widestLine() - textArea().width); }

void Memo::setTopLine(int line) {
    line = std::clamp(line, 0, maxTopLine());
    if (line == topLine_) return;
    topLine_ = line;
    invalidate();
}

int Memo::scrollLeft() const {
    const int fromHome = std::clamp(scrollFromHome_, 0, maxScrollLeft());
    return alignment_ == Alignment::right ? maxScrollLeft() - fromHome : fromHome;
}

void Memo::setScrollLeft(int x) {
    x = std::clamp(x, 0, maxScrollLeft());
    const int fromHome = alignment_ == Alignment::right ? maxScrollLeft() - x : x;
    if (fromHome == scrollFromHome_) return;
    scrollFromHome_ = fromHome;
    invalidate();
}

void Memo::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, textSize());
    selLength_ = 0;
}

void Memo::setSelLength(int length) { selLength_ = std::clamp(length, 0, std::max(0, textSize() - selStart_)); }

std::string Memo::selText() const {
    const std::string all = text();
    return all.substr(std::min(std::size_t(selStart_), all.size()), std::size_t(selLength_));
}

bool Memo::showsBar(Orientation o) const {
    if (scrollBars_ == ScrollBars::both) return true;
    return scrollBars_ == (o == Orientation::vertical ? ScrollBars::vertical : ScrollBars::horizontal);
}

ScrollRange Memo::barRange(Orientation o) const {
    if (o == Orientation::vertical) return {0, maxTopLine(), topLine_, visibleLines()};
    return {0, maxScrollLeft(), scrollLeft(), textArea().width};
}

void Memo::barScrolled(Orientation o, ScrollCode code, int thumbPos) {
    if (o == Orientation::vertical)
        setTopLine(positionAfter(code, barRange(o), 1, visibleLines(), thumbPos));
    else
        setScrollLeft(positionAfter(code, barRange(o), lineHeight(), textArea().width, thumbPos));
}

void Memo::keyDown(int& key, unsigned shift) {
    Widget::keyDown(key, shift);
    const auto code = scrollCodeOfKey(key, Orientation::vertical);
    if (!code) return;
    key = 0;
    barScrolled(Orientation::vertical, *code, topLine_);
}

void Memo::paintContent(gfx::Bitmap& surface, gfx::Rect content, gfx::Rect clip) {
    surface.fill(clip, color_);
    const gfx::Rect area{content.left + margin, content.top, content.width - 2 * margin, content.height};
    const gfx::Rect textClip = clip.intersected(area);
    const auto f = gfx::FontLibrary::shared().font(font_);
    const int span = std::max(widestLine(), area.width), x0 = area.left - scrollLeft();
    for (int i = topLine_, y = area.top; i < int(lines_.size()) && y < area.bottom(); ++i, y += f->lineHeight()) {
        const std::string& line = lines_[std::size_t(i)];
        f->drawText(surface, textClip, x0 + alignedLeft(alignment_, 0, span, f->textWidth(line)), y, line, font_.color);
    }
}

void Memo::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["color"] = colorHex(font_.color);
    out["lineCount"] = lines_.size();
    out["topLine"] = topLine_;
    out["selStart"] = selStart_;
    out["selLength"] = selLength_;
}

}  // namespace vemra::ui
