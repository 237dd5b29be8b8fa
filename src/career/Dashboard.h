#pragma once

#include "data/Rows.h"

#include <string>

namespace velmora {

class GameContext;
class TierTables;

// The career's home screen: player card, the week's events and the twelve ranking positions.
class Dashboard {
  public:
    explicit Dashboard(GameContext& form) : f(form) {}

    // Reloads the career from the key/value store and redraws the whole screen. Writes nothing to
    // the database; in a finals week it may enter a qualified player in memory.
    void refresh();
    // The human's place in the four rankings, each worldwide, in his continent and in his nation,
    // written one per line into Label1(15).
    void rankingPositions();
    // The badge picture of a game ("Uno", "Hearts", "Brisolo", in any case); "" for another game.
    static std::string gameBadgePath(const std::string& game);
    // Why "ISCRIVITI" does nothing in the finals weeks.
    static std::string finalsClosedReason();

  private:
    // Nation key (flag name) of the nation the player plays for.
    std::string playerFlagKey();
    // Continent of the player's nation, from the nations read at start-up.
    std::string playerContinent();
    // Fills event slot i from row i of the week's events, or hides the slot when there is none.
    void showEventSlot(int slot, const std::string& ownFlagKey, TierTables& tiers);
    // Whether the human is among the eight best of the given game this week.
    bool qualifiedForFinal(const std::string& game);
    void readPointsToDefend();
    // The ranking points his result at last season's edition of an event gave him; 0 for none.
    long pointsToDefend(const std::string& event) const;
    // Label72: what this week takes away from his points, in all and per game.
    void showPointsLeaving();

    Rows m_toDefend; // torneo, tipo, punti of his results at this week's events
    int m_opening = 0; // the career opening the dashboard was last drawn for

    GameContext& f;
};

} // namespace velmora
