#pragma once

#include <array>
#include <string>

namespace velmora {

class Window;

// The menu entries of Label1 are drawn on frame shapes; an entry and its frame are always shown
// and hidden together, so a hidden entry leaves no empty button behind.
class MenuFrames {
  public:
    // The two entries of the career submenu ("Nuova", "Carica").
    static constexpr std::array<int, 2> kCareerSubmenu = {3, 4};
    // The dashboard menu: "Calendario", "Classifiche", "Esci", "Home", "Giocatori", "Statistiche",
    // "Opzioni".
    static constexpr std::array<int, 7> kDashboardMenu = {5, 6, 7, 16, 17, 18, 20};

    // Name of the frame shape behind Label1(index), or "" for a label that is no menu entry.
    static std::string frameName(int labelIndex);
    // Shows or hides Label1(index) together with its frame.
    static void show(Window& window, int labelIndex, bool visible);
    // Shows or hides the whole dashboard menu.
    static void showDashboardMenu(Window& window, bool visible);
};

} // namespace velmora
