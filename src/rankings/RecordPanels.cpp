#include "rankings/RecordPanels.h"

#include "ui/Window.h"

#include <algorithm>

namespace velmora {

void RecordPanels::show(Window& window, const std::string& panel) {
    for (const char* name : kPanels)
        window(name).visible = panel == name;
}

void RecordPanels::hideAll(Window& window) {
    for (const char* name : kPanels)
        window(name).visible = false;
}

void RecordPanels::select(Control& combo, const std::string& text) {
    combo.text = text;
    auto found = std::find(combo.items.begin(), combo.items.end(), text);
    combo.listIndex = found == combo.items.end() ? -1 : static_cast<int>(found - combo.items.begin());
}

} // namespace velmora
