#include "state/MenuFrames.h"

#include "ui/Window.h"

namespace velmora {

std::string MenuFrames::frameName(int labelIndex) {
    // Shape1 is the table's turn marker and the record screens keep their own highlight frames,
    // so the menu frames take a block of their own.
    switch (labelIndex) {
    case 1:
        return "Shape10";
    case 2:
        return "Shape11";
    case 3:
        return "Shape12";
    case 4:
        return "Shape13";
    case 5:
        return "Shape14";
    case 6:
        return "Shape15";
    case 7:
        return "Shape16";
    case 16:
        return "Shape17";
    case 17:
        return "Shape18";
    case 18:
        return "Shape19";
    case 19:
        return "Shape50";
    case 20:
        return "Shape51";
    default:
        return "";
    }
}

void MenuFrames::show(Window& window, int labelIndex, bool visible) {
    window("Label1", labelIndex).visible = visible;
    const std::string frame = frameName(labelIndex);
    if (!frame.empty()) window(frame).visible = visible;
}

void MenuFrames::showDashboardMenu(Window& window, bool visible) {
    for (int index : kDashboardMenu)
        show(window, index, visible);
}

} // namespace velmora
