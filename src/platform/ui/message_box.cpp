#include "platform/ui/message_box.h"

#include <algorithm>

#include "platform/gfx/font.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"

namespace vemra::ui {

MessageBox::MessageBox(const std::string& caption, const std::string& text)
    : Window("MessageBox", "TMessageForm"), text_(text) {
    this->caption = caption;
    setBorderStyle(BorderStyle::single);
    setStayOnTop(true);

    auto& message = add<Label>("Message");
    message.setTransparent(true);
    message.setAutoSize(true);
    message.setCaption(text);
    message.setBounds({16, 16, message.width(), message.height()});

    const int clientWidth = std::max(message.width() + 32, 160);
    auto& ok = add<Button>("OK", "OK");
    ok.setBounds({(clientWidth - 75) / 2, message.top() + message.height() + 16, 75, 23});
    ok.onClick = [this](Widget&) { modalResult = 1; };
    setClientSize(clientWidth, ok.top() + ok.height() + 12);
    setFocusedControl(&ok);

    const gfx::Size d = app().displaySize();
    const gfx::Rect o = outerRect();
    setPosition((d.width - o.width) / 2, (d.height - o.height) / 2);
    onKeyDown = [this](Widget&, int& key, unsigned) {
        if (key == vk::escape) modalResult = 2;
    };
}

}  // namespace vemra::ui
