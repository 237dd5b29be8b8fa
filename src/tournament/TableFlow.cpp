#include "tournament/TableFlow.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void TableFlow::groupTablePlayers() {
}

void TableFlow::showSeats() {
}

void TableFlow::Label42_Click() {
}

void TableFlow::Timer1_Timer() {
}

void TableFlow::checkRoundOver() {
}

void TableFlow::closeRound() {
}

void TableFlow::checkUnoTableEnd() {
}

void TableFlow::checkTrickComplete() {
}

void TableFlow::decideTrickWinner() {
}

void TableFlow::compactComputerHands() {
}

void TableFlow::moveTurnMarker(int seat) {
    (void)seat;
}

void TableFlow::mirrorRow(const EntrantRow& row) {
    (void)row;
}

} // namespace velmora
