#pragma once

#include <string>

namespace velmora {

class Form1;

// The Uno table: set-up, the human's moves and the routines the computer seats share.
class UnoTable {
public:
    explicit UnoTable(Form1& form) : f(form) {}

    void setUp();
    // Click on a hand card, common to all games.
    void Image11_Click(int index);
    void Label48_Click(int index);
    void Image10_Click(int index);
    void Label44_Click();
    void Timer4_Timer();
    // Seat drawSeat draws drawCount cards.
    void drawCards();
    void refreshCardCounts();
    void stepTurn();
    void stepDrawSeat();
    void drawScoreboard();
    // A seat has finished when its card-count label shows 0.
    bool seatFinished(int seat);

private:
    Form1& f;
};

} // namespace velmora
