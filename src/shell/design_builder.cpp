#include "shell/design_builder.h"

#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "platform/ui/picture.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/scroll_bar.h"

namespace vemra::shell {

namespace {

using designs::ComponentDesign;
using designs::Kind;

gfx::FontSpec fontOf(const ComponentDesign& c) {
    gfx::FontSpec request;
    if (!c.font) return request;
    request.face = std::string(c.font->face);
    request.height = c.font->height;
    request.color = c.font->color;
    request.style = c.font->style;
    request.charset = c.font->charset;
    return request;
}

ui::Alignment alignmentOf(designs::Align a) {
    switch (a) {
    case designs::Align::right:
        return ui::Alignment::right;
    case designs::Align::center:
        return ui::Alignment::center;
    default:
        return ui::Alignment::left;
    }
}

ui::Widget& create(ui::Widget& parent, ui::Window& window, const ComponentDesign& c, const ArtSource& art) {
    const std::string name(c.name);
    switch (c.kind) {
    case Kind::picture: {
        auto& p = parent.add<ui::Picture>(name);
        p.setStretch(c.stretch);
        p.setAutoSize(c.autoSize);
        p.setBounds(c.rect);
        if (c.artwork && art)
            if (auto bitmap = art(window.name(), c.name)) p.setBitmap(std::move(*bitmap));
        return p;
    }
    case Kind::label: {
        auto& l = parent.add<ui::Label>(name);
        l.setBounds(c.rect);
        l.setFont(fontOf(c));
        l.setTransparent(c.transparent);
        if (c.color) l.setColor(*c.color);
        l.setAlignment(alignmentOf(c.alignment));
        l.setAutoSize(c.autoSize);
        l.setCaption(std::string(c.caption));
        return l;
    }
    case Kind::panel: {
        auto& p = parent.add<ui::Panel>(name);
        p.setBounds(c.rect);
        if (c.color) p.setColor(*c.color);
        return p;
    }
    case Kind::listBox: {
        auto& l = parent.add<ui::ListBox>(name);
        l.setBounds(c.rect);
        l.setFont(fontOf(c));
        if (c.color) l.setColor(*c.color);
        if (c.itemHeight > 0) l.setItemHeight(c.itemHeight);
        return l;
    }
    case Kind::memo: {
        auto& m = parent.add<ui::Memo>(name);
        m.setBounds(c.rect);
        m.setFont(fontOf(c));
        if (c.color) m.setColor(*c.color);
        m.setAlignment(alignmentOf(c.alignment));
        m.setScrollBars(c.scrollBars ? ui::ScrollBars::both : ui::ScrollBars::none);
        return m;
    }
    case Kind::edit: {
        auto& e = parent.add<ui::Edit>(name);
        e.setBounds(c.rect);
        e.setFont(fontOf(c));
        e.setAlignment(alignmentOf(c.alignment));
        return e;
    }
    case Kind::radio: {
        auto& r = parent.add<ui::RadioButton>(name);
        r.setBounds(c.rect);
        r.setFont(fontOf(c));
        if (c.color) r.setColor(*c.color);
        r.setCaption(std::string(c.caption));
        r.setChecked(c.checked);
        return r;
    }
    case Kind::scrollBar: {
        auto& s = parent.add<ui::ScrollBar>(name);
        s.setBounds(c.rect);
        s.setMin(c.min);
        s.setMax(c.max);
        s.setPosition(c.position);
        s.setSmallChange(c.smallChange);
        s.setLargeChange(c.largeChange);
        return s;
    }
    case Kind::timer:
        break;
    }
    throw std::logic_error("timers are not controls");
}

}  // namespace

void buildFromDesign(ui::Window& window, const designs::WindowDesign& design, const ArtSource& art) {
    window.setBorderStyle(design.border == designs::Border::single ? ui::BorderStyle::single : ui::BorderStyle::none);
    if (design.color) window.color = *design.color;
    window.setClientSize(design.client.width, design.client.height);
    window.setEnabled(design.enabled);
    window.setStayOnTop(design.stayOnTop);
    if (design.maximized) window.setWindowState(ui::WindowState::maximized);
    for (const ComponentDesign& c : design.components) {
        if (c.kind == Kind::timer) {
            window.addTimer(std::string(c.name), c.interval, c.timerEnabled);
            continue;
        }
        ui::Widget* parent = c.parent.empty() ? &window : window.find(c.parent);
        if (!parent) throw std::logic_error(std::string(design.name) + ": " + std::string(c.name) + " before its parent");
        ui::Widget& w = create(*parent, window, c, art);
        w.setVisible(c.visible);
        w.setEnabled(c.enabled);
        w.cursor = c.cursor;
        w.tag = c.tag;
        w.hint = std::string(c.hint);
        w.showHint = c.showHint;
    }
}

}  // namespace vemra::shell
