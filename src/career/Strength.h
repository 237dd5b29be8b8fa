#pragma once

#include <string>

namespace velmora {

class Rows;

// The three card games of the circuit, as the giocatori columns order them.
enum class CareerGame { Uno = 0, Hearts = 1, Brisolo = 2 };

// The game named by a calendario "gioco" or tornei "tipo" text (letter case ignored); throws for a
// name that is none of the three, since its points would have no column to go to.
CareerGame careerGame(const std::string& name);
// The same, without throwing: false when the name is none of the three.
bool findCareerGame(const std::string& name, CareerGame& game);

// Column of giocatori holding a game's ranking points (9 Uno, 10 Hearts, 11 Brisolo).
int pointsColumn(CareerGame game);

// How good a player is at a game: twice his skill at it plus two thirds of each other skill, each
// term rounded (halves to even). Skills are columns 6 (uno), 7 (hearts) and 8 (brisolo) of a
// giocatori row. Ranges from 4 (all skills 1) to 34 (all 10).
int playerStrength(const Rows& players, int row, CareerGame game);

} // namespace velmora
