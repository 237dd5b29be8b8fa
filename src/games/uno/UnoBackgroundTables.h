#pragma once

namespace velmora {

class GameContext;
class RandomSequence;

// The other Uno tables of the round, played in the background while the human plays: every tick
// (Timer2) each player of a table still open plays, draws or passes, until two have emptied their
// hands.
class UnoBackgroundTables {
  public:
    explicit UnoBackgroundTables(GameContext& form) : f(form) {}

    void Timer2_Timer();
    // Change of a background player's cards in one step: -1 plays a card, +1, +2 or +4 draws, 0
    // passes. Better ranked players and fuller hands play more often.
    static int unoCardChange(int cards, double rankingPoints, RandomSequence& random);

  private:
    void unoTable(int table);

    GameContext& f;
};

} // namespace velmora
