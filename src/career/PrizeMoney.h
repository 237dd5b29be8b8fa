#pragma once

#include <string>

namespace velmora {

class GameContext;

// Closing a played tournament: fee, prize, the world's week and the next week.
class PrizeMoney {
  public:
    explicit PrizeMoney(GameContext& form) : f(form) {}

    // The prize board's continue button.
    void Label50_Click();

    // The prize for finishing in a place group of the tournament in form.eventRows: the prize of
    // the tier covering the position the results record for that group (0 outside every tier).
    long prizeFor(long placeGroup);

  private:
    GameContext& f;
};

} // namespace velmora
