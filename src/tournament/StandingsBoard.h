#pragma once

#include "data/Value.h"

#include <string>

namespace velmora {

class GameContext;

// The standings board of the table screen: the four players of the table chosen in Combo7, with
// their cards, scores and whether they go on ("V") or are out ("X").
class StandingsBoard {
  public:
    explicit StandingsBoard(GameContext& form) : f(form) {}

    // Redraws the board for the table chosen in Combo7.
    void draw();

    // The lowest heart taken, as the board letters it: A, K, D, J, or the number; nothing while none.
    static std::string heartText(const Value& lowestHeart);

  private:
    GameContext& f;
};

} // namespace velmora
