#pragma once

namespace velmora {

class GameContext;
class RandomSequence;

// The other Brisolo tables of the round: every tick (Timer5) each open table plays one manche,
// drawn by the players' world positions, until its thirteen manches are played.
class BrisoloBackgroundTables {
  public:
    explicit BrisoloBackgroundTables(GameContext& form) : f(form) {}

    void Timer5_Timer();
    // Points of one background manche, given what is left to share and the cards still in hand: the
    // last manche takes everything left; the others draw around the average share and pull the
    // draw towards 9..55.
    static int manchePoints(int remaining, int cards, RandomSequence& random);

  private:
    void brisoloTable(int table);

    GameContext& f;
};

} // namespace velmora
