#include "ui/qt/TrickHold.h"

#include "ui/Window.h"

namespace velmora {

namespace {

bool shown(Window& window, const char* name, int index = -1) {
    const Control* control = window.find(name, index);
    return control && control->visible;
}

// Hearts and Brisolo hold a taken trick on the seats' places themselves.
bool tableHoldsTrick(Window& window) {
    for (int seat = 0; seat < TrickHold::kTrickPlaces; ++seat)
        if (shown(window, "Image23", seat)) return true;
    return false;
}

} // namespace

void TrickHold::update(Window& window, int factor) {
    std::set<int> onTable;
    for (int seat = 0; seat < kTrickPlaces; ++seat) {
        if (const Control* card = window.find("Image9", seat); card && card->visible) onTable.insert(seat);
    }
    if (!onTable.empty()) {
        // A card has landed: it replaces whatever was kept.
        m_held.clear();
        m_lastShown = onTable;
        return;
    }
    // Held only while a hand is being played at speed, and not over a trick the table holds.
    const bool playing = factor > 1 && shown(window, "Picture5") && !shown(window, "Label42");
    if (!playing || tableHoldsTrick(window)) {
        m_held.clear();
        m_lastShown.clear();
        return;
    }
    if (m_held.empty()) m_held = m_lastShown;
}

bool TrickHold::keeps(const Control& control) const {
    return control.name == "Image9" && m_held.count(control.index) > 0;
}

} // namespace velmora
