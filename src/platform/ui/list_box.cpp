#include "platform/ui/list_box.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "platform/ui/application.h"
#include "platform/ui/hex.h"

namespace vemra::ui {

ListBox::ListBox(Widget* parent, std::string name) : ScrollingControl(parent, std::move(name)) {}

void ListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    topIndex_ = 0;
    itemsChanged();
}

void ListBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    itemsChanged();
}

void ListBox::itemsChanged() {
    measured_ = false;
    invalidate();
}

void ListBox::setItemHeight(int h) {
    itemHeight_ = h;
    itemsChanged();
    setTopIndex(topIndex_);
}

void ListBox::setFont(gfx::FontSpec f) {
    font_ = std::move(f);
    invalidate();
}

void ListBox::setColor(gfx::Color c) {
    color_ = c;
    invalidate();
}

const std::vector<int>& ListBox::heights() const {
    if (measured_) return heights_;
    measured_ = true;
    heights_.assign(items_.size(), itemHeight_);
    for (std::size_t i = 0; i < heights_.size(); ++i) {
        if (onMeasureItem) app().handle([&] { onMeasureItem(const_cast<ListBox&>(*this), int(i), heights_[i]); });
        heights_[i] = std::max(1, heights_[i]);
    }
    return heights_;
}

int ListBox::maxTopIndex() const {
    const auto& h = heights();
    int top = int(h.size()), used = 0;
    while (top > 0 && used + h[top - 1] <= innerRect().height) used += h[--top];
    return std::max(0, std::min(top, int(h.size()) - 1));
}

int ListBox::pageFrom(int top) const {
    const auto& h = heights();
    const int space = contentRect().height;
    int count = 0;
    for (int i = top, used = 0; i < int(h.size()) && used + h[i] <= space; used += h[i++]) ++count;
    return std::max(1, count);
}

int ListBox::itemAt(gfx::Point local) const {
    const gfx::Rect content = contentRect();
    if (!content.contains(local)) return -1;
    const auto& h = heights();
    for (int i = topIndex_, y = content.top; i < int(h.size()); y += h[i++])
        if (local.y < y + h[i]) return i;
    return -1;
}

void ListBox::setTopIndex(int index) {
    index = std::clamp(index, 0, maxTopIndex());
    if (index == topIndex_) return;
    topIndex_ = index;
    invalidate();
}

void ListBox::setItemIndex(int index) {
    index = std::clamp(index, -1, int(items_.size()) - 1);
    if (index != itemIndex_) {
        itemIndex_ = index;
        invalidate();
    }
    if (index >= 0) scrollIntoView(index);
}

void ListBox::scrollIntoView(int index) {
    const auto& h = heights();
    int top = std::min(topIndex_, index), used = 0;
    for (int i = top; i <= index; ++i) used += h[i];
    while (used > contentRect().height && top < index) used -= h[top++];
    setTopIndex(top);
}

bool ListBox::showsBar(Orientation o) const { return o == Orientation::vertical && maxTopIndex() > 0; }

ScrollRange ListBox::barRange(Orientation) const {
    const int maxTop = maxTopIndex();
    return {0, maxTop, topIndex_, int(items_.size()) - maxTop};
}

void ListBox::barScrolled(Orientation, ScrollCode code, int thumbPos) {
    setTopIndex(positionAfter(code, barRange(Orientation::vertical), 1, pageFrom(topIndex_), thumbPos));
}

void ListBox::pointerOnContent(gfx::Point local) {
    if (const int i = itemAt(local); i >= 0) setItemIndex(i);
}

void ListBox::keyDown(int& key, unsigned shift) {
    Widget::keyDown(key, shift);
    const int page = std::max(1, pageFrom(topIndex_) - 1);
    int target = 0;
    switch (key) {
    case vk::up: target = std::max(0, itemIndex_ - 1); break;
    case vk::down: target = itemIndex_ + 1; break;
    case vk::prior: target = std::max(0, itemIndex_ - page); break;
    case vk::next: target = itemIndex_ + page; break;
    case vk::home: target = 0; break;
    case vk::end: target = int(items_.size()) - 1; break;
    default: return;
    }
    key = 0;
    if (items_.empty()) return;
    const int before = itemIndex_;
    setItemIndex(std::min(target, int(items_.size()) - 1));
    if (itemIndex_ != before) Widget::click();
}

void ListBox::paintContent(gfx::Bitmap& surface, gfx::Rect content, gfx::Rect clip) {
    surface.fill(clip, color_);
    gfx::Canvas canvas(surface, content.origin(), clip, drawState_);
    const auto& h = heights();
    for (int i = topIndex_, y = 0; i < int(h.size()) && y < content.height; y += h[i++])
        drawItem(canvas, i, {0, y, content.width, h[i]}, i == itemIndex_);
}

void ListBox::drawItem(gfx::Canvas& canvas, int index, gfx::Rect rect, bool selected) {
    drawState_.font = font_;
    drawState_.brushClear = false;
    drawState_.brushColor = selected ? gfx::colors::highlight : color_;
    if (selected) drawState_.font.color = gfx::colors::white;
    if (onDrawItem) {
        app().handle([&] { onDrawItem(*this, index, canvas, rect, selected); });
        return;
    }
    canvas.fillRect(rect);
    canvas.textOut(rect.left + 2, rect.top, items_[std::size_t(index)]);
}

void ListBox::describe(nlohmann::json& out) const {
    Widget::describe(out);
    out["color"] = colorHex(font_.color);
    out["itemCount"] = items_.size();
    out["itemIndex"] = itemIndex_;
    out["topIndex"] = topIndex_;
}

}  // namespace vemra::ui
