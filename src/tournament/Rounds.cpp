#include "tournament/Rounds.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void Rounds::Label49_Click() {
}

void Rounds::fillPrizeBoard() {
}

void Rounds::Combo8_Click() {
}

void Rounds::listPrizePage() {
}

} // namespace velmora
