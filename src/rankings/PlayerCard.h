#pragma once

#include "data/Rows.h"
#include "rankings/RedrawReads.h"

#include <string>

namespace velmora {

class GameContext;

// The players screen (Picture8): the card of any player of the world (nation, continent, age,
// skills, his twelve ranking places), the thirty players around him in a ranking, and the last
// tournaments he played. A player is picked from the list or found by a search. Only reads the store.
class PlayerCard {
  public:
    explicit PlayerCard(GameContext& form) : f(form) {}

    // The "Giocatori" menu entry: every player in the list, the first one's card drawn.
    void open();
    void Combo9_Click();  // player
    void Combo11_Click(); // game of the ranking excerpt
    void Combo10_Click(); // game filter of the history
    void Image18_Click(); // search

    // Label53 items of the history's columns: week, place, tournament, importance, points.
    static constexpr int kHistoryWeeks = 3;
    static constexpr int kHistoryPlaces = 4;
    static constexpr int kHistoryNames = 5;
    static constexpr int kHistoryImportance = 18;
    static constexpr int kHistoryPoints = 7;
    // The excerpt's lines: the first line's top and the step between lines, in twips.
    static constexpr int kExcerptTop = 4680;
    static constexpr int kExcerptLine = 225;
    static constexpr int kExcerptLines = 30;
    static constexpr int kHistoryLines = 20;

    // Every player, by surname and first name: the list the card is picked from. The screen keeps
    // its own rows, so the career's and the rankings' rows are never touched.
    Rows playerRows;
    int playerRowsLast = -1;
    // Row in playerRows of the player on the card, -1 for none.
    int cardPlayerRow = -1;

  private:
    void clearCard();
    void drawRankingTable();
    // Label79: his tables against the human, when they have met.
    void drawRecordAgainstHuman();
    void drawExcerpt();
    void drawHistory();
    void clearHistory();
    // The card's player is known and the lists may react.
    bool ready();
    // Flag key of a tournament's host for the card's player, "" when no flag is shown.
    std::string hostFlag(const std::string& host);

    GameContext& f;
    RedrawReads m_reads;
};

} // namespace velmora
