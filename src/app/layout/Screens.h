#pragma once

#include "ui/SlideRoute.h"
#include "ui/Window.h"

#include <string>
#include <vector>

namespace velmora {

// The design-time look of each screen: which controls it holds, where, in which font and colour.
// Behaviour lives with the handlers; these only build the controls.

// Width and height of the whole window, in twips.
constexpr int kWindowWidth = 28660;
constexpr int kWindowHeight = 15600;

// Background, title pictures, the menu labels (Label1) and their frames, and the eight panels.
void buildTitleScreen(Window& w);
// Picture1: the new-career form.
void buildNewCareerScreen(Window& w);
// Picture2: the dashboard.
void buildDashboardScreen(Window& w);
// Picture5 and Picture6: the card table, its scoreboard, standings board and rule panel.
void buildTableScreen(Window& w);
// How the table's cards move on a screen that shows motion: a played card from its seat to its
// place, a taken trick to the plate of the seat that took it.
std::vector<SlideRoute> tableSlides();
// Picture7: the prize board.
void buildPrizeBoardScreen(Window& w);
// Picture3, Picture4, Picture8: rankings, calendar and players.
void buildRecordScreens(Window& w);
// Picture10: the list of careers and of a career's backups.
void buildCareerListScreen(Window& w);
// Picture9: the career's statistics.
void buildStatisticsScreen(Window& w);
// Picture13: the player's options.
void buildOptionsScreen(Window& w);

} // namespace velmora
