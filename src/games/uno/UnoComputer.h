#pragma once

#include <string>

namespace velmora {

class GameContext;
class UnoTable;

// The three Uno computer seats, one visible step per tick: evaluate (1), show the card or start
// a draw (2), apply the card (3), draw (4).
class UnoComputer {
  public:
    UnoComputer(GameContext& form, UnoTable& table) : f(form), m_table(table) {}

    void Timer3_Timer();

  private:
    void evaluate();
    void showOrDraw();
    void apply();
    void draw();
    // Hands the table to the human when the turn has reached him with no draw pending.
    void endOfTick();
    // Where the seat's card turns the play: turnSeat, drawSeat and the direction.
    void turnOrder(int seat, const std::string& value);
    std::string cardPicture(const std::string& code) const;

    GameContext& f;
    UnoTable& m_table;
};

} // namespace velmora
