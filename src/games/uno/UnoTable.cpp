#include "games/uno/UnoTable.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void UnoTable::setUp() {
}

void UnoTable::Image11_Click(int index) {
    (void)index;
}

void UnoTable::Label48_Click(int index) {
    (void)index;
}

void UnoTable::Image10_Click(int index) {
    (void)index;
}

void UnoTable::Label44_Click() {
}

void UnoTable::Timer4_Timer() {
}

void UnoTable::drawCards() {
}

void UnoTable::refreshCardCounts() {
}

void UnoTable::stepTurn() {
}

void UnoTable::stepDrawSeat() {
}

void UnoTable::drawScoreboard() {
}

bool UnoTable::seatFinished(int seat) {
    (void)seat;
    return false;
}

} // namespace velmora
