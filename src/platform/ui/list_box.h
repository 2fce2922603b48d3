#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/ui/scrolling_control.h"

namespace vemra::ui {

// An owner-drawn list of text items, each of its own height. A vertical scroll bar shows when the
// items overflow; the list scrolls until the last item stands at the bottom. A press selects the
// item under the pointer (dragging follows it); the keyboard moves the selection, which fires
// onClick when it changes, as a click does.
class ListBox : public ScrollingControl {
public:
    static constexpr int defaultItemHeight = 16;
    using MeasureItemEvent = std::function<void(ListBox& sender, int index, int& height)>;
    // rect is in the canvas's coordinates, whose origin is the top-left corner inside the border.
    using DrawItemEvent =
        std::function<void(ListBox& sender, int index, gfx::Canvas& canvas, gfx::Rect rect, bool selected)>;

    ListBox(Widget* parent, std::string name);
    std::string_view kind() const override { return "listbox"; }

    const std::vector<std::string>& items() const { return items_; }
    // Replaces the items; nothing is selected and the first item is at the top.
    void setItems(std::vector<std::string> items);
    void addItem(std::string item);

    // The selected item, -1 for none; selecting scrolls the item into view.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    int topIndex() const { return topIndex_; }
    void setTopIndex(int index);

    // The height that onMeasureItem starts from. Heights are measured when first needed after
    // the items or this change.
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int h);
    const gfx::FontSpec& font() const { return font_; }
    void setFont(gfx::FontSpec f);
    gfx::Color color() const { return color_; }
    void setColor(gfx::Color c);

    MeasureItemEvent onMeasureItem;
    // Without a handler an item is its text in the list's font, in highlight colours when selected.
    DrawItemEvent onDrawItem;

    void keyDown(int& key, unsigned shift) override;
    void describe(nlohmann::json& out) const override;

protected:
    bool showsBar(Orientation o) const override;
    ScrollRange barRange(Orientation o) const override;
    void barScrolled(Orientation o, ScrollCode code, int thumbPos) override;
    void paintContent(gfx::Bitmap& surface, gfx::Rect content, gfx::Rect clip) override;
    void pointerOnContent(gfx::Point local) override;

private:
    const std::vector<int>& heights() const;
    void itemsChanged();
    int maxTopIndex() const;
    // How many items show whole from `top` down (at least 1): the page of the keys and the bar.
    int pageFrom(int top) const;
    int itemAt(gfx::Point local) const;
    void scrollIntoView(int index);
    void drawItem(gfx::Canvas& canvas, int index, gfx::Rect rect, bool selected);

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = defaultItemHeight;
    gfx::FontSpec font_;
    gfx::Color color_ = gfx::colors::white;
    gfx::CanvasState drawState_;
    mutable std::vector<int> heights_;
    mutable bool measured_ = false;
};

}  // namespace vemra::ui
