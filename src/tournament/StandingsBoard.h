#pragma once

namespace velmora {

class GameContext;

// The standings board of the table screen: the four players of the table chosen in Combo7, with
// their cards, scores and whether they go on ("V") or are out ("X").
class StandingsBoard {
  public:
    explicit StandingsBoard(GameContext& form) : f(form) {}

    // Redraws the board for the table chosen in Combo7.
    void draw();

  private:
    GameContext& f;
};

} // namespace velmora
