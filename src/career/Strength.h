#pragma once

#include "state/CardGame.h"

namespace velmora {

class Rows;

// How good a player is at a game: twice his skill at it plus two thirds of each other skill, each
// term rounded (halves to even). Skills are columns 6 (uno), 7 (hearts) and 8 (brisolo) of a
// giocatori row. Ranges from 4 (all skills 1) to 34 (all 10).
int playerStrength(const Rows& players, int row, const CardGame& game);

} // namespace velmora
