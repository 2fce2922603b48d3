#pragma once

#include <string>

#include "platform/ui/window.h"

namespace vemra::ui {

// The toolkit's message box: a bordered window with the text and one OK button, shown modally.
class MessageBox : public Window {
public:
    MessageBox(const std::string& caption, const std::string& text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace vemra::ui
