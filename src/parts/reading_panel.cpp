#include "parts/reading_panel.h"

namespace vemra::parts {

void showPanel(ui::Panel& panel, ui::Picture& panelBackground) {
    if (panel.visible()) return;
    panel.setVisible(true);
    panelBackground.repaint();
}

void hidePanel(ui::Panel& panel, ui::Picture& screenBackground) {
    if (!panel.visible()) return;
    panel.setVisible(false);
    screenBackground.repaint();
}

}  // namespace vemra::parts
