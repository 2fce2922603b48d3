#pragma once

#include "platform/ui/picture.h"
#include "platform/ui/ref.h"

namespace vemra::parts {

// The part button shown pressed on a reading screen: pressing another one gives the previous its
// empty picture again and the new one the lit look under it.
class PressedButton {
public:
    // Does nothing when `button` is already the pressed one.
    void press(ui::Picture& button, ui::Picture& lit);
    ui::Picture* get() const { return pressed_.get(); }
    // The pressed button's tag, 0 for none.
    int tag() const { return pressed_ ? pressed_->tag : 0; }

private:
    ui::Ref<ui::Picture> pressed_;
};

}  // namespace vemra::parts
