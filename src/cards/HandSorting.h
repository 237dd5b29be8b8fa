#pragma once

#include "cards/Card.h"

#include <string>

namespace velmora {

// Orders the human's Uno hand: per colour (rosso, giallo, verde, blu) the numbers 1..9 ascending,
// then that colour's 0 and action cards as they lay; then every cambiacolore, then every piu4.
void sortUnoHand(Hand& hand);
// Orders the human's 52-card hand: by value for "Brisolo"; by suit (fiori, quadri, picche, cuori)
// then value for "Hearts".
void sortFrenchHand(Hand& hand, const std::string& game);

} // namespace velmora
