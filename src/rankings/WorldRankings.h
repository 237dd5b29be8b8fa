#pragma once

#include "data/Rows.h"
#include "rankings/RedrawReads.h"

#include <string>

namespace velmora {

class GameContext;

// The world rankings (Picture3): the players of the world, a continent or a nation, ordered by
// their overall points or by one game's, 25 to a page, each with his overall place in the world,
// his continent and his nation. Only reads the store.
class WorldRankings {
  public:
    explicit WorldRankings(GameContext& form) : f(form) {}

    // The "Classifiche" menu entry: the whole world by overall points, first page.
    void open();
    void Combo2_Click(); // game
    void Combo3_Click(); // scope
    void Combo4_Click(); // continent or nation of the scope
    void Combo5_Click(); // page
    // "Trovami": turns to the page with his line (which every page marks) in the list shown.
    void Label69_Click();
    // Draws the page chosen in Combo5 of the ranking chosen by the selectors.
    void drawRankingList();

    // The players of the chosen scope, and after a redraw that scope in ranking order. The screen
    // keeps its own rows, so the career's and the other screens' rows are never touched.
    Rows playerRows;
    int playerRowsLast = -1;

  private:
    // Loads the players of the continent or nation now in Combo4 (the whole world for "Mondo").
    void loadScopePlayers();
    // Refills Combo5 from the players of the scope and selects its first page.
    void rebuildPages();
    // The statement of the list drawn: scope, place and game as the selectors stand.
    std::string listStatement();
    bool ready() const;

    GameContext& f;
    RedrawReads m_reads;
};

} // namespace velmora
