#pragma once

#include <string>

namespace velmora {

class Form1;
class RandomSequence;

// The round's other tables, decided step by step while the human plays, and the standings board.
// Each tick advances every other table by one simulated step, with odds that favour the better
// ranked; the human's own table is always left to the game being played.
class BackgroundTables {
  public:
    explicit BackgroundTables(Form1& form) : f(form) {}

    // Uno: each player still holding cards plays one, draws or passes.
    void Timer2_Timer();
    // Brisolo: one manche at every other table.
    void Timer5_Timer();
    // Hearts: reveals the next trick of the hand simulated at the pass.
    void Timer8_Timer();
    void refreshStandings();
    void Combo7_Click();

    // Points of one background Brisolo manche, given what is left to share and the cards still in
    // hand: the last manche takes everything left; the others draw around the average share and
    // pull the draw towards 9..55.
    static int manchePoints(int remaining, int cards, RandomSequence& random);
    // Change of an Uno background player's cards in one step: -1 plays a card, +1, +2 or +4 draws,
    // 0 passes. Better ranked players and fuller hands play more often.
    static int unoCardChange(int cards, double rankingPoints, RandomSequence& random);

  private:
    void unoTable(int table);
    void brisoloTable(int table);
    void heartsTable(int table);

    Form1& f;
};

} // namespace velmora
