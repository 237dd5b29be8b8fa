#pragma once

#include <string>

namespace velmora {

struct Control;
class Window;

// Steps the record screens share: which of them is open, and picking a list's entry.
class RecordPanels {
  public:
    // The record screens lie over the dashboard; one is open at a time.
    static constexpr const char* kPanels[] = {"Picture3", "Picture4", "Picture8", "Picture9"};

    // Shows the panel and hides the other record screens.
    static void show(Window& window, const std::string& panel);
    // Hides every record screen, so the dashboard beneath is seen again.
    static void hideAll(Window& window);
    // Makes text the list's chosen entry without running its click: the caller draws once itself.
    static void select(Control& combo, const std::string& text);
};

} // namespace velmora
