#pragma once

#include "app/EntrantTable.h"
#include <string>

namespace velmora {

class Form1;

// The frame every game plays in: seats, turn marker, "INIZIA", the table watch and the end of a round.
class TableFlow {
public:
    explicit TableFlow(Form1& form) : f(form) {}

    void groupTablePlayers();
    void showSeats();
    void Label42_Click();
    void Timer1_Timer();
    void checkRoundOver();
    void closeRound();
    void checkUnoTableEnd();
    void checkTrickComplete();
    void decideTrickWinner();
    void compactComputerHands();
    // Moves the turn marker to a seat (0..3).
    void moveTurnMarker(int seat);
    // Copies a changed entrant row into the roundPlayers and boardRows rows of the same entrant.
    void mirrorRow(const EntrantRow& row);

private:
    Form1& f;
};

} // namespace velmora
