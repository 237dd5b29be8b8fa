#include "app/layout/Screens.h"

namespace velmora {

// Placeholder look until the title screen is designed.
void buildTitleScreen(Window& w) {
    Control& background = w.add("Image2", ControlKind::Picture);
    background.width = kWindowWidth;
    background.height = kWindowHeight;
    w.addArray("Image1", 0, 1, ControlKind::Picture);
    w.addArray("Label1", 0, 17, ControlKind::Label);
    const int panelLeft[] = {240, 240, 0, 0, 0, 0, 0, 0};
    const int panelTop[] = {3360, 3360, 1820, 1820, 3120, 3120, 3120, 3360};
    for (int i = 0; i < 8; ++i) {
        Control& panel = w.add("Picture" + std::to_string(i + 1), ControlKind::Panel);
        panel.left = panelLeft[i];
        panel.top = panelTop[i];
        panel.width = kWindowWidth - 2 * panelLeft[i];
        panel.height = kWindowHeight - panelTop[i];
        panel.visible = false;
    }
}

} // namespace velmora
